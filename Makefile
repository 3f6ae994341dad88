# SPDX-License-Identifier: GPL-3.0-or-later
# Top-level entry points. `make run` and `make test` install what is missing first.
BUILD ?= build
TYPE ?= Debug
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 60
FUZZ_CXX ?= clang++-16

.PHONY: all deps configure build run test check-fast sanitize fuzz bench screenshot package format clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE) $(LAUNCHER) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/tlv6200

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The edit-test loop: every test but those that wait for a radio's time-out (label slow) and
# those of the installation and the package (label install). `ctest -L core` (window, link,
# cli, install, slow) in the build folder runs one part.
check-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE 'slow|install'

sanitize:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="$(CMAKE_FLAGS) -DTLV_SANITIZE=ON"

# libFuzzer targets built with clang (the compiler comes with `scripts/install-deps fuzz`),
# each run for FUZZ_SECONDS from the seed corpus in fuzz/corpus.
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLV_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=$(FUZZ_CXX) $(LAUNCHER)
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	scripts/run-fuzz build-fuzz $(FUZZ_SECONDS)

bench:
	$(MAKE) build BUILD=build-release TYPE=Release
	build-release/bench/tlv6200-bench

screenshot: build
	TLV_SCREENSHOT_DIR=$(abspath $(BUILD))/screenshots QT_QPA_PLATFORM=offscreen $(BUILD)/tests/tlv6200-screenshots

# A Debian package of a Release build installed under /usr, in build-release/.
package: deps
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build-release -j $(JOBS) --target package

format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-release build-fuzz
