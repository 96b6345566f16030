# The two commands: `make run` starts the program, `make test` runs the whole test suite.
# Both install missing Debian packages first and build into build/.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all packages build run test clean

all: build

packages:
	@tools/install-packages packages.txt

$(BUILD)/CMakeCache.txt: | packages
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: packages $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/ayat-explorer

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

-include tools/tools.mk

.PHONY: package
# A Debian package of the program, in build/.
package: build
	cd $(BUILD) && cpack -G DEB
