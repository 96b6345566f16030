# The two commands: `make run` starts the program, `make test` runs the whole test suite.
# Both install missing Debian packages first and build into build/.
# The builds are the presets of CMakePresets.json: PRESET=ci is the development
# build with the content generators and the benchmarks, warnings as errors (in
# build-ci/), and so needs their packages too.
PRESET ?= default
BUILD  := $(if $(filter default,$(PRESET)),build,build-$(PRESET))
JOBS   ?= $(shell nproc)
PACKAGE_LISTS := packages.txt $(if $(filter ci,$(PRESET)),tools/packages.txt bench/packages.txt)

.PHONY: all packages build run test clean

all: build

packages:
	@tools/install-packages $(PACKAGE_LISTS)

$(BUILD)/CMakeCache.txt: | packages
	cmake --preset $(PRESET) $(CMAKE_FLAGS)

build: packages $(BUILD)/CMakeCache.txt
	cmake --build --preset $(PRESET) -j $(JOBS)

# The program and the files it reads, not the tests.
run: packages $(BUILD)/CMakeCache.txt
	cmake --build --preset $(PRESET) -j $(JOBS) --target ayat-explorer
	./$(BUILD)/ayat-explorer

test: build
	ctest --preset $(PRESET) -j $(JOBS)

clean:
	rm -rf $(BUILD)

.PHONY: windows test-windows
# The program for 64-bit Windows, cross-built in build-windows/ (tools/windows/):
# the toolchain (a kept Debian 13 root with its mingw-w64, and Qt and SDL2
# built from Debian 13's source packages, kept in /var/cache/ayat-explorer/),
# then the program and its tests, then the zip and the installer, dated by the
# commit like the Debian package.
WINDOWS_BUILD := build-windows
windows:
	@tools/install-packages tools/windows/packages.txt
	JOBS=$(JOBS) tools/windows/toolchain
	JOBS=$(JOBS) tools/windows/build-program . $(WINDOWS_BUILD)
	$(EPOCH) tools/windows/package . $(WINDOWS_BUILD)

# The zip and the installer built again to the same bytes; the QtTest suite
# under Wine; the installer and the installed program under Wine.
test-windows: windows
	$(EPOCH) JOBS=$(JOBS) tools/windows/check-reproducible . $(WINDOWS_BUILD)
	tools/windows/test-suite $(abspath $(WINDOWS_BUILD)) --path $(abspath $(WINDOWS_BUILD)) --plugins $(abspath $(WINDOWS_BUILD))
	tools/windows/check-installed $(WINDOWS_BUILD)/ayat-explorer-*-setup.exe . $(WINDOWS_BUILD)/installed

-include tools/tools.mk

.PHONY: package package-test
# A Debian package of the program, in build/: stripped, its library dependencies
# read from the binary by dpkg-shlibdeps. Its dates are the commit's
# (SOURCE_DATE_EPOCH, unless given), so that one commit gives the same bytes;
# outside a git checkout they are the time of the build.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
EPOCH := $(if $(SOURCE_DATE_EPOCH),SOURCE_DATE_EPOCH=$(SOURCE_DATE_EPOCH))
package: build
	@tools/install-packages packaging/packages.txt
	rm -f $(BUILD)/ayat-explorer_*.deb
	cd $(BUILD) && $(EPOCH) cpack -G DEB

# The package against lintian, desktop-file-validate and appstreamcli, and the
# icon sizes in it; each check also run on a copy broken in its respect. Then the
# package built again in another folder must be the same bytes.
package-test: package
	tests/install/check-package $(BUILD)
	$(EPOCH) JOBS=$(JOBS) tests/install/check-reproducible $(PRESET) $(BUILD)

.PHONY: test-sanitizers
# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking included) in build-sanitizers/.
test-sanitizers: packages
	cmake --preset sanitizers
	cmake --build --preset sanitizers -j $(JOBS)
	ctest --preset sanitizers -j $(JOBS)

.PHONY: bench
# Speed and memory figures against an empty window, in build-bench/; the table goes to bench/latest.md.
bench: packages
	bench/run

.PHONY: fuzz
# The fuzz targets of the loading code (clang, libFuzzer, AddressSanitizer) in build-fuzz/,
# FUZZ_SECONDS each (default 60); what crashes is kept in tests/robustness/corpus/.
FUZZ_SECONDS ?= 60
fuzz:
	fuzz/run $(FUZZ_SECONDS)

.PHONY: soak
# The long run: SOAK_SECONDS (default 1800) of randomized use with the sounds playing,
# resident memory and open descriptors sampled into build-robust/soak/*.csv; fails if they grow.
SOAK_SECONDS ?= 1800
soak:
	tools/soak/run $(SOAK_SECONDS)

.PHONY: test-release
# `make test` from a fresh clone of the committed HEAD on a clean Debian root of
# RELEASE (default trixie), which is kept in /var/cache/ayat-explorer/roots/;
# with PACKAGE=1 the package built there is also installed, started and removed.
RELEASE ?= trixie
test-release:
	@tools/install-packages tools/release-test.packages
	PRESET=$(PRESET) tools/release-test $(if $(PACKAGE),--package) $(RELEASE)
