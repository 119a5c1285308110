# A thin front over CMake: installs what is missing, builds in build/, runs.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test bench deps build clean package install screenshots
PREFIX ?= /usr/local

deps:
	@./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: deps $(BUILD)/CMakeCache.txt
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/grotzel

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/grotzel_bench

package: build
	@cd $(BUILD) && cpack -G DEB

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

screenshots: build
	@cmake --build $(BUILD) --target screenshots

clean:
	rm -rf $(BUILD)
