# A thin front over CMake: installs what is missing, builds in build/, runs.
BUILD ?= build
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory

.PHONY: run test bench deps build clean package install screenshots soak sanitize
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

soak: build
	@$(BUILD)/tests/soak/grotzel_soak --games 1000

# Everything built with ASan and UBSan: the whole suite, then a 100-game soak.
SANITIZE_ENV = ASAN_OPTIONS=detect_leaks=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize: deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGROTZEL_SANITIZE=ON -DGROTZEL_BENCH=OFF >/dev/null
	@cmake --build build-sanitize -j $(JOBS)
	@cd build-sanitize && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS)
	@$(SANITIZE_ENV) build-sanitize/tests/soak/grotzel_soak --games 100 --no-memory-check

package: build
	@cd $(BUILD) && cpack -G DEB

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

screenshots: build
	@cmake --build $(BUILD) --target screenshots

clean:
	rm -rf $(BUILD) build-sanitize
