# SPDX-License-Identifier: GPL-3.0-or-later
# Top-level entry points. `make run` and `make test` install what is missing first.
BUILD ?= build
TYPE ?= Debug
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

# How long each fuzz target runs in `make fuzz`: FUZZ_SECONDS, or FUZZ_RUNS runs (then without
# a time limit unless FUZZ_SECONDS is given too); FUZZ_TARGETS to run only some.
FUZZ_RUNS ?=
FUZZ_SECONDS ?= $(if $(FUZZ_RUNS),0,60)
FUZZ_TARGETS ?=
FUZZ_CXX ?= clang++-16

.PHONY: all deps configure build run test check-fast sanitize fuzz bench screenshot package format clean web web-serve web-bench web-pictures

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

# The browser tests of the web edition (ctest web_browser) run the page of `make web`.
test: build web
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The web edition: static files in build-web/ (the WebAssembly core, the page, the manifest).
web: configure
	@scripts/install-deps web
	cmake --build $(BUILD) -j $(JOBS) --target tlv6200-traditional-table manual/pages.stamp
	web/tools/build-web $(BUILD) $(JOBS)

# The web edition's figures (sizes, page load, a paced read over the Web Serial stand-in).
web-bench: web
	cmake --build $(BUILD) -j $(JOBS) --target tlv6200-cli tlv6200-radio-sim
	node web/test/bench.mjs --web build-web --cli $(BUILD)/cli/tlv6200-cli \
	  --sim $(BUILD)/tools/radio-sim/tlv6200-radio-sim

# The pictures of the manual's web-edition page (docs/manual/web-images), taken from the page of
# `make web` in headless Chromium; pngquant, where installed, makes them small.
web-pictures: web
	cmake --build $(BUILD) -j $(JOBS) --target tlv6200-cli tlv6200-radio-sim
	node web/tools/manual-pictures.mjs --web build-web --cli $(BUILD)/cli/tlv6200-cli \
	  --sim $(BUILD)/tools/radio-sim/tlv6200-radio-sim --out docs/manual/web-images

# Serves build-web/ on 127.0.0.1 (Web Serial needs a secure context; localhost is one).
WEB_PORT ?= 8620
web-serve: web
	node web/tools/serve.mjs build-web $(WEB_PORT)

# The edit-test loop: every test but those that wait for a radio's time-out (label slow) and
# those of the installation and the package (label install). `ctest -L core` (window, link,
# cli, install, slow) in the build folder runs one part.
check-fast: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE 'slow|install'

sanitize:
	$(MAKE) test BUILD=build-asan CMAKE_FLAGS="$(CMAKE_FLAGS) -DTLV_SANITIZE=ON"

# libFuzzer targets built with clang (the compiler comes with `scripts/install-deps fuzz`),
# each run for FUZZ_SECONDS or FUZZ_RUNS from the seed corpus in fuzz/corpus, at most 2 GB each
# (scripts/run-fuzz sets -rss_limit_mb and the sanitizer's options).
fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTLV_FUZZ=ON \
		-DCMAKE_CXX_COMPILER=$(FUZZ_CXX) $(LAUNCHER)
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	scripts/run-fuzz build-fuzz "$(FUZZ_SECONDS)" "$(FUZZ_RUNS)" $(FUZZ_TARGETS)

bench:
	$(MAKE) build BUILD=build-release TYPE=Release
	build-release/bench/tlv6200-bench
	bench/startup-bench build-release

screenshot: build
	TLV_SCREENSHOT_DIR=$(abspath $(BUILD))/screenshots QT_QPA_PLATFORM=offscreen $(BUILD)/tests/tlv6200-screenshots

# A Debian package of a Release build installed under /usr, in build-release/.
package: deps
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build build-release -j $(JOBS) --target package

format: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-release build-fuzz build-web build-web-core
