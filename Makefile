# The two set-up commands of the README, and a few conveniences.
#   make run    installs what is missing, builds, and runs the main job on the sample
#   make test   installs what is missing, builds, and runs every test, then again
#               under AddressSanitizer and UndefinedBehaviorSanitizer

JOBS    ?= $(shell nproc)
BUILD   ?= build
ASAN    ?= build-asan
CONFIG   = -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test test-main test-asan bench clean

deps:
	bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CONFIG) -DDORNAVIK_WERROR=$(if $(CI),ON,OFF)
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/dornavik-cli demo

test: test-main test-asan

test-main: deps
	cmake -S . -B $(BUILD) $(CONFIG) -DDORNAVIK_WERROR=ON
	cmake --build $(BUILD) -j$(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The engine and its tests only: the Qt parts are not built here.
test-asan: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DDORNAVIK_WERROR=ON \
	  -DDORNAVIK_SANITIZE=ON -DDORNAVIK_GUI=OFF -DDORNAVIK_BENCH=OFF
	cmake --build $(ASAN) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(ASAN) --output-on-failure -j$(JOBS)

bench: build
	for b in $(BUILD)/bin/bench_*; do $$b --benchmark_min_time=0.2; done

clean:
	rm -rf $(BUILD) $(ASAN)
