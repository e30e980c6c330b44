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

test: build
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
