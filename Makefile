# The quick start: `make run` opens the window, `make test` runs every test. Both install
# the Debian packages that are missing first.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

BUILD_PACKAGES := cmake g++ make libgtest-dev qt6-base-dev qt6-qpa-plugins fonts-liberation
# The accessibility test drives the program on a virtual display through AT-SPI.
TEST_PACKAGES := xvfb xauth dbus at-spi2-core python3-pyatspi

.PHONY: all deps build test run screenshot clean

all: build

deps:
	@tools/ensure-packages $(BUILD_PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build packaging-deps
	@tools/ensure-packages $(TEST_PACKAGES)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

run: build
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
		echo "Varnel needs a graphical display: start it from a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
		exit 1; \
	fi
	$(BUILD_DIR)/app/varnel

# The README's picture of the window, and the wire size solved on a dark desktop and at
# scale 1.5, drawn on the offscreen platform.
screenshot: build
	$(BUILD_DIR)/tests/window_screenshot docs/screenshot.png
	$(BUILD_DIR)/tests/window_screenshot docs/screenshot-dark.png wire-size dark
	QT_SCALE_FACTOR=1.5 $(BUILD_DIR)/tests/window_screenshot docs/screenshot-scale-1.5.png wire-size

clean:
	rm -rf $(BUILD_DIR)

# Robustness: `make fuzz` runs the press fuzzer (clang's libFuzzer) for FUZZ_SECONDS over a
# copy of fuzz/corpus in build-fuzz.
FUZZ_PACKAGES := cmake make clang libclang-rt-14-dev llvm
FUZZ_SECONDS ?= 60

.PHONY: fuzz

fuzz:
	@tools/ensure-packages $(FUZZ_PACKAGES)
	JOBS=$(JOBS) fuzz/run $(FUZZ_SECONDS)

# Installing: `make install` builds in BUILD_DIR and installs under PREFIX (default
# /usr/local), below DESTDIR when it is set. `make package` builds the Debian package
# varnel_<version>_<arch>.deb in build-package. The packaging test needs the validators too.
PACKAGING_PACKAGES := desktop-file-utils appstream dpkg-dev file
PREFIX ?= /usr/local
PACKAGE_DIR := build-package

.PHONY: packaging-deps install package package-check

packaging-deps:
	@tools/ensure-packages $(PACKAGING_PACKAGES)

install: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

package: deps packaging-deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DBUILD_TESTING=OFF
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/varnel_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	@echo "Package: $$(realpath $(PACKAGE_DIR)/varnel_*.deb)"

# Builds the package and checks it unpacked in a temporary root.
package-check: package
	tests/packaging/check-package $(PACKAGE_DIR)/varnel_*.deb

# `make test-sanitize` builds the whole suite in build-sanitize with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer and runs it, aborting at the first report.
SANITIZE_DIR := build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZER_OPTIONS := halt_on_error=1:abort_on_error=1:print_stacktrace=1
SANITIZER_ENV := ASAN_OPTIONS=$(SANITIZER_OPTIONS):detect_leaks=1 \
	UBSAN_OPTIONS=$(SANITIZER_OPTIONS)

.PHONY: test-sanitize

test-sanitize: deps packaging-deps
	@tools/ensure-packages $(TEST_PACKAGES)
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	$(SANITIZER_ENV) cmake --build $(SANITIZE_DIR) -j $(JOBS)
	$(SANITIZER_ENV) ctest --test-dir $(SANITIZE_DIR) --output-on-failure -j $(JOBS)

# `make bench` builds the benchmarks in build-bench (Release) and runs them with bench/run.
# Xvfb and xauth give the start-up benchmark a virtual X display.
BENCH_PACKAGES := libbenchmark-dev xvfb xauth python3

.PHONY: bench

bench: deps
	@tools/ensure-packages $(BENCH_PACKAGES)
	JOBS=$(JOBS) bench/run
