# make run  - install what is missing, build, generate the assets, play
# make test - the same set-up, then every test (also under ASan + UBSan), the package built and checked
#             with every warning an error, and the Windows build's tests under Wine
# make package - the Debian package, build/pelmora_<version>_<arch>.deb
# make mutate - plants one-line faults one at a time and tells which the tests catch
# make windows - the Windows build: build-windows/dist/pelmora and its zip

BUILD      ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD  ?= build-windows
JOBS       ?= $(shell nproc)
RUN_DIR    := $(BUILD)/run
WERROR     ?= OFF

.PHONY: all deps configure build run test test-asan bench package mutate clean windows test-windows

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMORA_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@cd $(RUN_DIR) && ../pelmora

test: WERROR := ON
test: build
	@cd $(BUILD) && ctest --output-on-failure -j 2
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory test-windows

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPELMORA_SANITIZE=ON -DPELMORA_CORE_ONLY=ON >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target unit_tests
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ./unit_tests --gtest_brief=1

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

bench: build
	@tests/with-xvfb.sh $(BUILD)/pelmora_bench

mutate: deps
	@tests/mutation/run-mutations.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-mutate $(WIN_BUILD)
