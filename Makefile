# The quick start: `make run` opens the window, `make test` builds both programs and runs their
# tests with CTest (the sanitizers, fuzzing, the package, Windows, the web page and the
# benchmarks are targets of their own, below). Every target
# first works out all the Debian packages it needs and installs the missing ones in one step
# (as root; otherwise it prints the one command to run).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# What each target needs. The program runs natively on X11 and Wayland; DejaVu is Debian's
# default sans face and Liberation stands in for the table's bold face; libcsv reads
# varnel-calc's schedules.
PROGRAM_PACKAGES := cmake g++ make qt6-base-dev qt6-qpa-plugins qt6-wayland fonts-liberation \
	fonts-dejavu-core libcsv-dev
# Checking what is installed and packaged.
PACKAGING_PACKAGES := desktop-file-utils appstream dpkg-dev file groff-base
# The tests: GoogleTest, the accessibility check, which drives the program through AT-SPI on
# a virtual X display and on a headless Wayland compositor, and the Orca check, which runs it
# under the Orca screen reader (speaking through speech-dispatcher and espeak-ng) with a
# window manager (openbox), pressing keys with xdotool.
TEST_PACKAGES := $(PROGRAM_PACKAGES) $(PACKAGING_PACKAGES) libgtest-dev xvfb xauth dbus time \
	at-spi2-core python3-pyatspi weston orca speech-dispatcher speech-dispatcher-espeak-ng \
	openbox xdotool
PACKAGE_PACKAGES := $(PROGRAM_PACKAGES) $(PACKAGING_PACKAGES) lintian
FUZZ_PACKAGES := cmake make clang libclang-rt-14-dev llvm libcsv-dev
BENCH_PACKAGES := $(PROGRAM_PACKAGES) libbenchmark-dev xvfb xauth python3

ENSURE := tools/ensure-packages

.PHONY: all build build-tests test run screenshot clean

all: build

# The configurations are CMake's presets (CMakePresets.json); the targets below only install
# what each needs and call them. BUILD_DIR moves a preset's build elsewhere.
CONFIGURE = cmake --preset $(1) -B $(2) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

# The two programs, in BUILD_DIR.
build:
	@$(ENSURE) $(PROGRAM_PACKAGES)
	$(call CONFIGURE,default,$(BUILD_DIR))
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The programs and their tests, in BUILD_DIR; `make test` runs them.
build-tests:
	@$(ENSURE) $(TEST_PACKAGES)
	$(call CONFIGURE,tests,$(BUILD_DIR))
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build-tests
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# Only the program: no test is configured or built.
run:
	@if [ -z "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
		echo "Varnel needs a graphical display: start it from a desktop session (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2; \
		exit 1; \
	fi
	@$(ENSURE) $(PROGRAM_PACKAGES)
	$(call CONFIGURE,default,$(BUILD_DIR))
	cmake --build $(BUILD_DIR) -j $(JOBS) --target varnel
	$(BUILD_DIR)/app/varnel

# The README's picture of the window, drawn on the offscreen platform; the wire size solved
# on a dark desktop and at scale 1.5, and two results in exponent form wider than their boxes
# (the wire size in square inches, the length in inches) at scales 1 and 3, light and dark,
# drawn on a virtual X display.
XVFB_SCREENSHOT := xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb
EXPONENT_SOLVES := square-inches length-in-inches

screenshot: build-tests
	$(BUILD_DIR)/tests/window_screenshot docs/screenshot.png
	$(XVFB_SCREENSHOT) $(BUILD_DIR)/tests/window_screenshot docs/screenshot-dark.png wire-size dark
	$(XVFB_SCREENSHOT) QT_SCALE_FACTOR=1.5 $(BUILD_DIR)/tests/window_screenshot \
		docs/screenshot-scale-1.5.png wire-size
	for solve in $(EXPONENT_SOLVES); do for scale in 1 3; do \
		$(XVFB_SCREENSHOT) QT_SCALE_FACTOR=$$scale $(BUILD_DIR)/tests/window_screenshot \
			docs/screenshot-$$solve-scale-$$scale.png $$solve && \
		$(XVFB_SCREENSHOT) QT_SCALE_FACTOR=$$scale $(BUILD_DIR)/tests/window_screenshot \
			docs/screenshot-$$solve-scale-$$scale-dark.png $$solve dark || exit 1; \
	done; done

# Installing: `make install` builds in BUILD_DIR and installs under PREFIX (default
# /usr/local), below DESTDIR when it is set. `make package` builds the Debian package
# varnel_<version>_<arch>.deb in build-package; `make package-check` checks it.
PREFIX ?= /usr/local
PACKAGE_DIR := build-package

.PHONY: install package package-check

install:
	@$(ENSURE) $(PROGRAM_PACKAGES)
	$(call CONFIGURE,default,$(BUILD_DIR)) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

package:
	@$(ENSURE) $(PACKAGE_PACKAGES)
	cmake --preset package -B $(PACKAGE_DIR)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/varnel_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	@echo "Package: $$(realpath $(PACKAGE_DIR)/varnel_*.deb)"

package-check: package
	tests/packaging/check-package $(PACKAGE_DIR)/varnel_*.deb

# `make test-sanitize` builds the whole suite in build-sanitize with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer and runs it, aborting at the first report.
SANITIZE_DIR := build-sanitize

.PHONY: test-sanitize

test-sanitize:
	@$(ENSURE) $(TEST_PACKAGES)
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Robustness: `make fuzz` runs the press fuzzer and the schedule fuzzer (clang's libFuzzer),
# each for its half of FUZZ_SECONDS, over copies of fuzz/corpus and fuzz/schedule-corpus in
# build-fuzz.
FUZZ_SECONDS ?= 60
FUZZ_DIR := build-fuzz

.PHONY: fuzz

fuzz:
	@$(ENSURE) $(FUZZ_PACKAGES)
	JOBS=$(JOBS) fuzz/run $(FUZZ_SECONDS)

# `make bench` builds the benchmarks in build-bench (Release) and runs them with bench/run.
# Xvfb and xauth give the start-up benchmark a virtual X display. It fails when a figure
# misses its target.
BENCH_DIR := build-bench

.PHONY: bench

bench:
	@$(ENSURE) $(BENCH_PACKAGES)
	JOBS=$(JOBS) bench/run

# Windows: `make windows` cross-builds build-windows/varnel.exe and varnel-calc.exe with
# mingw-w64 against a static Qt for Windows. QT_WINDOWS names that Qt, a folder or a .tar.xz
# of one; without it, tools/build-qt-windows builds it once from Debian's qt6-base source
# package (about 25 minutes) and keeps it in build-windows. `make windows-package` builds the
# installer Varnel-<version>-x64.msi and the portable zip beside the programs;
# `make windows-test` runs the tests and the programs under Wine on a virtual X display, and
# `make windows-screenshot` draws the window under Wine into docs/.
WINDOWS_DIR := build-windows
QT_WINDOWS ?=
WINDOWS_PACKAGES := cmake make ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev \
	qt6-base-dev-tools dpkg-dev xz-utils
WINDOWS_PACKAGE_PACKAGES := $(WINDOWS_PACKAGES) wixl
WINDOWS_TEST_PACKAGES := $(WINDOWS_PACKAGE_PACKAGES) googletest wine wine64 fonts-wine xvfb \
	xauth xdotool xclip
WINDOWS_SCREENSHOT_PACKAGES := $(WINDOWS_TEST_PACKAGES) imagemagick
# Debian ships no libcsv for Windows: its source package is compiled with the programs.
WINDOWS_CONFIGURE = tools/windows-qt $(WINDOWS_DIR) "$(QT_WINDOWS)" && \
	tools/debian-source libcsv $(WINDOWS_DIR)/libcsv-source && \
	cmake --preset windows -B $(WINDOWS_DIR) \
		-DVARNEL_LIBCSV_SOURCE_DIR=$(abspath $(WINDOWS_DIR))/libcsv-source \
		-DCMAKE_PREFIX_PATH=$(abspath $(WINDOWS_DIR))/qt \
		$(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
WINDOWS_VERSION = $$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' $(WINDOWS_DIR)/CMakeCache.txt)

.PHONY: windows windows-package windows-test windows-screenshot

windows:
	@$(ENSURE) $(WINDOWS_PACKAGES)
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=OFF
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target varnel varnel-calc

windows-package: windows
	@$(ENSURE) $(WINDOWS_PACKAGE_PACKAGES)
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=OFF
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target windows-package

windows-test: windows-package
	@$(ENSURE) $(WINDOWS_TEST_PACKAGES)
	$(WINDOWS_CONFIGURE) -DBUILD_TESTING=ON
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	tests/windows/wine-test $(WINDOWS_DIR) $(WINDOWS_VERSION)

windows-screenshot: windows
	@$(ENSURE) $(WINDOWS_SCREENSHOT_PACKAGES)
	SCREENSHOT_DIR=docs tests/windows/wine-test $(WINDOWS_DIR) $(WINDOWS_VERSION) smoke

# The web page: `make web` builds the static site into build-web/site with Debian's emscripten
# (the core as varnel-core.wasm and its loader, the page with its controls drawn from the
# window's control table by form1_page under node, its service worker, manifest and icons);
# `make web-serve` serves it on 127.0.0.1 (WEB_PORT). `make web-test` runs the core's tests as
# WebAssembly under node, compares the WebAssembly press with the native one over WEB_PRESSES
# generated presses byte for byte, and drives the page in Chromium, Firefox and WebKit
# (tests/web/engines.py); `make web-screenshot` draws it after a solve into docs/, at 360
# pixels light and dark and at a desktop's width in each engine. emscripten's tools find
# Debian's acorn through NODE_PATH where the node on PATH is not Debian's own.
WEB_DIR := build-web
WEB_SITE := $(WEB_DIR)/site
WEB_PORT ?= 8021
WEB_PRESSES ?= 200000
WEB_ENV := NODE_PATH=/usr/share/nodejs
WEB_PACKAGES := cmake make emscripten libfast-float-dev googletest librsvg2-bin optipng python3 dpkg-dev
# npm fetches axe-core for the test; a node from elsewhere brings its own npm. Firefox is driven
# through its own Marionette protocol; WebKitGTK's MiniBrowser needs an X display (Xvfb) and a
# D-Bus session bus of its own. The native varnel-calc checks what the page writes.
WEB_TEST_PACKAGES := $(WEB_PACKAGES) binaryen g++ libgtest-dev qt6-base-dev libcsv-dev chromium \
	chromium-driver python3-selenium firefox-esr webkit2gtk-driver xvfb dbus fonts-liberation \
	fonts-dejavu-core $(if $(shell command -v npm),,npm)
AXE_CORE_VERSION := 4.10.2

.PHONY: web web-serve web-test web-screenshot

web:
	@$(ENSURE) $(WEB_PACKAGES)
	tools/debian-source libcsv $(WEB_DIR)/libcsv-source
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_DIR)/wasm -DCMAKE_BUILD_TYPE=Release \
		-DVARNEL_BUILD_WINDOW=OFF -DBUILD_TESTING=ON -DVARNEL_WARNINGS_AS_ERRORS=ON \
		-DVARNEL_LIBCSV_SOURCE_DIR=$(abspath $(WEB_DIR))/libcsv-source
	$(WEB_ENV) cmake --build $(WEB_DIR)/wasm -j $(JOBS) --target varnel-core varnel-page \
		varnel-schedule
	tools/web-site $(WEB_DIR)/wasm/web $(WEB_SITE)

web-serve: web
	@echo "Serving $(WEB_SITE); stop with Ctrl+C"
	tools/serve-web $(WEB_SITE) $(WEB_PORT)

web-test: web
	@$(ENSURE) $(WEB_TEST_PACKAGES)
	$(WEB_ENV) cmake --build $(WEB_DIR)/wasm -j $(JOBS) --target calc_tests press_driver
	cmake -S . -B $(WEB_DIR)/native -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVARNEL_BUILD_WINDOW=OFF \
		-DBUILD_TESTING=ON -DVARNEL_WARNINGS_AS_ERRORS=ON
	cmake --build $(WEB_DIR)/native -j $(JOBS) --target press_driver control_rows varnel-calc
	tests/web/check-page-layout $(WEB_DIR)/native/tests/control_rows $(WEB_SITE)/index.html
	@gzipped=$$(for f in $(WEB_SITE)/*; do gzip -9c "$$f" | wc -c; done | awk '{ s += $$1 } END { print s }'); \
		if [ "$$gzipped" -gt 150000 ]; then echo "the site is $$gzipped bytes with gzip, above 150 KB" >&2; exit 1; fi
	@if wasm-dis $(WEB_SITE)/varnel-core.wasm | grep -q 'f[36][24]\.sqrt'; then \
		echo "varnel-core.wasm takes a square root where the gauge calls pow" >&2; exit 1; fi
	node $(WEB_DIR)/wasm/tests/calc_tests.js
	tests/web/compare-presses $(WEB_DIR)/native/tests/press_driver \
		$(WEB_DIR)/wasm/tests/press_driver.js $(WEB_PRESSES)
	[ -f $(WEB_DIR)/axe/node_modules/axe-core/axe.min.js ] || \
		npm install --prefix $(WEB_DIR)/axe --no-save --no-audit --no-fund axe-core@$(AXE_CORE_VERSION)
	tests/web/page-test $(WEB_SITE) $(WEB_DIR)/axe/node_modules/axe-core/axe.min.js \
		$(WEB_DIR)/native

web-screenshot: web
	@$(ENSURE) $(WEB_TEST_PACKAGES)
	tests/web/page-test $(WEB_SITE) --screenshots docs

# Every folder the targets above build in.
clean:
	rm -rf $(BUILD_DIR) $(PACKAGE_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR) \
		$(WEB_DIR)
