# The two commands of the project: `make run` and `make test`.
BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)

.PHONY: all deps build run test test-main test-asan bench format clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEV_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run

test: deps
	$(MAKE) test-main
	$(MAKE) test-asan

# Formats every C++ file with .clang-format; `make test` fails on a file
# that differs (the test "format").
format:
	@scripts/format

test-main: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The core (no Qt at all) under AddressSanitizer and UndefinedBehaviorSanitizer,
# with the checks "undefined" leaves out: a double converted to an integer it
# does not fit (a not-a-number included), and a division of doubles by zero;
# built with the plain C++ forms of the compiler extensions (model/portable.h),
# so that both forms pass every core test.
test-asan:
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEV_BUILD_GUI=OFF \
	  -DZEV_BUILD_BENCH=OFF -DZEV_WERROR=ON -DZEV_PORTABLE=ON \
	  -DZEV_SANITIZE=address,undefined,float-cast-overflow,float-divide-by-zero
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD_ASAN) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEV_BUILD_GUI=OFF
	cmake --build build-release -j $(JOBS)
	@for b in build-release/bench/zev_bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD) $(BUILD_ASAN) build-release
