# The quick start: `make run` opens the window, `make test` runs every test. Both install
# the Debian packages that are missing first.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

BUILD_PACKAGES := cmake g++ make libgtest-dev

.PHONY: all deps build test clean

all: build

deps:
	@tools/ensure-packages $(BUILD_PACKAGES)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build packaging-deps
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

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
# Debian builds its packages at -O2; GCC 12 at -O3 also warns falsely (-Wrestrict) inside
# std::string, which -Werror would make an error.
PACKAGE_CXX_FLAGS ?= -O2 -DNDEBUG

.PHONY: packaging-deps install package

packaging-deps:
	@tools/ensure-packages $(PACKAGING_PACKAGES)

install: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR)

package: deps packaging-deps
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS_RELEASE="$(PACKAGE_CXX_FLAGS)"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/varnel_*.deb
	cd $(PACKAGE_DIR) && cpack -G DEB
	@echo "Package: $$(realpath $(PACKAGE_DIR)/varnel_*.deb)"
