# A thin front over CMake: installs what is missing, builds, runs.
#   make run        builds only the game and its sounds in build/, starts it
#   make test       builds everything in build/ and runs every test
#   make install    builds only the game, in build-install/, and installs it
#                   into $(DESTDIR)$(PREFIX); make uninstall removes it again
#   make package    builds the Debian package into build/
#   make test-debian RELEASE=trixie
#                   the same `make test` in a minimal Debian of that release
#                   (bookworm, trixie, sid), made once and cached
BUILD ?= build
INSTALL_BUILD ?= build-install
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
MAKEFLAGS += --no-print-directory

.PHONY: run test bench deps build-deps package-deps build clean package install \
        uninstall screenshots soak sanitize test-debian

deps:
	@./scripts/install-deps

build-deps:
	@./scripts/install-deps --build

package-deps:
	@./scripts/install-deps --package

# The build folder with the tests and benchmarks on; reconfigured only when
# `make run` made it without them.
build: deps
	@grep -qx 'BUILD_TESTING:BOOL=ON' $(BUILD)/CMakeCache.txt 2>/dev/null || \
	  cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	        -DBUILD_TESTING=ON -DGROTZEL_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# A first run needs neither the tests nor their tools; a build folder that
# has them keeps them, but only the game and its sounds are built.
run: build-deps
	@[ -f $(BUILD)/CMakeCache.txt ] || \
	  cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	        -DBUILD_TESTING=OFF -DGROTZEL_BENCH=OFF >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target grotzel sounds
	@$(BUILD)/grotzel

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 900 -j $(JOBS)

RELEASE ?= trixie
test-debian:
	@./scripts/in-debian $(RELEASE) make test

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
	@cd build-sanitize && $(SANITIZE_ENV) ctest --output-on-failure --timeout 900 -j $(JOBS)
	@$(SANITIZE_ENV) build-sanitize/tests/soak/grotzel_soak --games 100

# dpkg-buildpackage -b -us -uc in a copy of the tree; the .deb lands in $(BUILD).
package: package-deps
	@DEB_BUILD_OPTIONS="parallel=$(JOBS) $(DEB_BUILD_OPTIONS)" packaging/build-deb.sh . $(BUILD)

# Only the game, in a folder of its own without tests or benchmarks.
# CMake lists what it installed in install_manifest.txt, which uninstall reads.
install: build-deps
	@cmake -S . -B $(INSTALL_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	       -DBUILD_TESTING=OFF -DGROTZEL_BENCH=OFF >/dev/null
	@cmake --build $(INSTALL_BUILD) -j $(JOBS)
	@DESTDIR="$(DESTDIR)" cmake --install $(INSTALL_BUILD) --prefix "$(PREFIX)"

# Removes the files the last install put in place (the list holds them
# without DESTDIR, so give the same DESTDIR), and the game's own data folder
# once it is empty; shared folders (games, icons, man6) stay.
uninstall:
	@manifest=$(INSTALL_BUILD)/install_manifest.txt; \
	[ -f "$$manifest" ] || { echo "uninstall: no $$manifest: nothing installed from here" >&2; exit 1; }; \
	sed 's|^|$(DESTDIR)|' "$$manifest" | xargs -r -d '\n' rm -vf; \
	sed -n 's|^|$(DESTDIR)|; s|/[^/]*\.wav$$||p' "$$manifest" | sort -u | \
	  xargs -r -d '\n' rmdir --ignore-fail-on-non-empty; \
	rm -f "$$manifest"

screenshots: build
	@cmake --build $(BUILD) --target screenshots

clean:
	rm -rf $(BUILD) build-sanitize $(INSTALL_BUILD)
