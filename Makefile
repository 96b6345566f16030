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

.PHONY: package package-test
# A Debian package of the program, in build/: stripped, its library dependencies
# read from the binary by dpkg-shlibdeps.
package: build
	@tools/install-packages packaging/packages.txt
	rm -f $(BUILD)/ayat-explorer_*.deb
	cd $(BUILD) && cpack -G DEB

# The package against lintian, desktop-file-validate and appstreamcli, and the
# icon sizes in it; each check also run on a copy broken in its respect.
package-test: package
	tests/install/check-package $(BUILD)

.PHONY: test-sanitizers
# The whole test suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (leak checking included) in a second build tree.
SANITIZE_BUILD ?= build-sanitizers
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
test-sanitizers: packages
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1:fast_unwind_on_malloc=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/leaks.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

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
	tools/release-test $(if $(PACKAGE),--package) $(RELEASE)
