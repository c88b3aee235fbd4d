# make run  - install what playing needs, build only the game and its assets,
#             play; the top score is the installed game's, in
#             $XDG_DATA_HOME/pelmora (~/.local/share/pelmora)
# make test - install everything, build everything, then every test with every
#             warning an error, the
#             package built and checked, the whole game again under ASan +
#             UBSan (clang) with a short run of each fuzz target, the Windows
#             build's tests under Wine, then the browser build in headless Chromium
# make fuzz - the fuzz targets for FUZZ_SECONDS each
# make package - the Debian package, build/pelmora_<version>_<arch>.deb
# make mutate - plants one-line faults one at a time and tells which the tests catch
# make windows - the Windows build: build-windows/dist/pelmora and its zip
# make web  - the browser build: build-web/dist, served as it is, and its zip
# make test-web - the browser build played in headless Chromium

BUILD      ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD  ?= build-windows
WEB_BUILD  ?= build-web
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 600
RUN_DIR    := $(BUILD)/run
WERROR     ?= OFF

.PHONY: all deps configure build run test test-asan configure-asan fuzz bench package mutate clean windows test-windows web test-web

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_WERROR=$(WERROR) \
	  -DPELMORA_TESTS=ON -DPELMORA_BENCH=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# The tests and benchmarks wait until make test asks for them. The launcher
# is the installed game's, pointed at the build.
run:
	@scripts/install-deps --play
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_WERROR=$(WERROR) \
	  -DPELMORA_TESTS=OFF -DPELMORA_BENCH=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target pelmora assets
	@sh $(BUILD)/launcher/build/pelmora

test: WERROR := ON
test: build
	@cd $(BUILD) && ctest --output-on-failure -j 2
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory test-windows
	@$(MAKE) --no-print-directory test-web WERROR=ON

# The game under test starts children of its own (the end-to-end tests run
# the game binary, some under a preloaded fake clock), so the options go in
# the environment. Leaks inside system libraries are listed in the file.
# Mesa's software GL driver is unloaded with the last context and takes the
# pointers to what it allocated with it, which then looks leaked: the tests
# that draw keep it loaded (tests/with-xvfb.sh preloads it for them).
SYMBOLIZER := $(firstword $(wildcard /usr/bin/llvm-symbolizer /usr/lib/llvm-*/bin/llvm-symbolizer))
GL_DRIVER  := $(firstword $(wildcard /usr/lib/*/dri/swrast_dri.so))
# The allocator's periodic release reads the clock, which the frozen-calendar
# preload answers by looking itself up, allocating inside the allocator: a
# deadlock at start-up. The sanitizer run keeps its memory instead.
SAN_ENV := ASAN_SYMBOLIZER_PATH=$(SYMBOLIZER) PELMORA_TEST_PRELOAD=$(GL_DRIVER) ASAN_OPTIONS=detect_leaks=1:verify_asan_link_order=0:strict_string_checks=1:allocator_release_to_os_interval_ms=-1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

configure-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
	  -DPELMORA_SANITIZE=ON -DPELMORA_WERROR=$(WERROR) >/dev/null
	@$(SAN_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)

test-asan: configure-asan
	@cd $(ASAN_BUILD) && $(SAN_ENV) ctest --output-on-failure -j 2

fuzz: configure-asan
	@for t in score_file bitmap; do \
	  tests/fuzz/run-fuzz.sh $(ASAN_BUILD)/tests/fuzz/$${t}_fuzz tests/fuzz/corpus/$$t \
	    $(ASAN_BUILD)/fuzz/$$t/corpus $(FUZZ_SECONDS) || exit 1; \
	done

package: build
	@cmake --build $(BUILD) --target package

# The assets come from the Linux build's generator, byte for byte.
windows: build
	@scripts/install-deps --windows
	@cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DPELMORA_HOST_BUILD=$(abspath $(BUILD)) -DPELMORA_WERROR=$(WERROR) >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target dist

test-windows: windows
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	@cd $(WIN_BUILD) && ctest --output-on-failure -j 2

# The textures and sounds come from the Linux build's generator, byte for
# byte; a Linux build folder that does not exist yet is made for that alone.
# emcc finds its JavaScript parser only through NODE_PATH on Debian.
web:
	@scripts/install-deps --web
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPELMORA_TESTS=OFF -DPELMORA_BENCH=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target assets
	@NODE_PATH=/usr/share/nodejs emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release \
	  -DPELMORA_HOST_BUILD=$(abspath $(BUILD)) -DPELMORA_WERROR=$(WERROR) >/dev/null
	@NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS) --target dist

# The browser build played in headless Chromium. Its screenshots are compared
# with the desktop end-to-end tests' own, which make test takes first.
test-web: web
	@cmake --build $(BUILD) -j $(JOBS) --target hand_picks
	@/usr/bin/python3 tests/web/browser_test.py $(WEB_BUILD)/dist $(BUILD)/e2e-shots $(BUILD)/tests/web/hand_picks

bench: build web
	@tests/with-xvfb.sh $(BUILD)/pelmora_bench
	@tests/with-xvfb.sh bench/pacing.sh $(BUILD)/bench/probe/libpelmora_frame_probe.so $(RUN_DIR) 3 $(BUILD)/pelmora
	@/usr/bin/python3 bench/web_bench.py $(WEB_BUILD)/dist $(BUILD) 3

mutate: deps
	@tests/mutation/run-mutations.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-mutate $(WIN_BUILD) $(WEB_BUILD)
