# Content generators. Their output is committed; the program's build never runs them.
# The "tools" preset of CMakePresets.json, in build-tools/.
TOOLS_BUILD := build-tools

.PHONY: artwork artwork-debug sounds tools-packages

tools-packages:
	@tools/install-packages packages.txt tools/packages.txt

$(TOOLS_BUILD)/CMakeCache.txt: | tools-packages
	cmake --preset tools

# Writes the 47 picture files into assets/pictures/, and beside each its variant
# drawn at twice the size, <key>@2x.png.
artwork: tools-packages $(TOOLS_BUILD)/CMakeCache.txt
	cmake --build --preset tools -j $(JOBS) --target ayat-artwork
	$(TOOLS_BUILD)/tools/artwork/ayat-artwork generate assets/pictures

# Renders the scenes with their hotspots drawn over them, and every item picture
# stretched as the program shows it, into build-tools/artwork-debug/.
artwork-debug: tools-packages $(TOOLS_BUILD)/CMakeCache.txt
	cmake --build --preset tools -j $(JOBS) --target ayat-artwork
	$(TOOLS_BUILD)/tools/artwork/ayat-artwork debug $(TOOLS_BUILD)/artwork-debug

# Writes the 28 audio files into sound/files/.
sounds: tools-packages
	tools/sounds/generate sound/files
