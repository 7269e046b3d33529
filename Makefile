# make run  - install what is missing, build, assemble the data and play.
# make test - the same set-up, then the whole test suite.
# make test-sanitize - the whole suite again, built with AddressSanitizer
#   and UndefinedBehaviorSanitizer in build-sanitize/ (CTEST_ARGS picks tests).
# make fuzz - builds the libFuzzer targets with clang in build-fuzz/ and
#   runs each for FUZZ_SECONDS (make fuzz-build only builds them).
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= 2

# Every sanitizer report stops the program; leaks inside the system's GL,
# SDL and OpenAL libraries are suppressed.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan-suppressions.txt:print_suppressions=0

.PHONY: all setup configure build run test test-sanitize fuzz fuzz-build clean

all: build

setup:
	@bash scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/data && ../velkamire

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: setup
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKAMIRE_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

fuzz: fuzz-build
	@FUZZ_BUILD=$(FUZZ_BUILD) bash scripts/fuzz.sh -t $(FUZZ_SECONDS)

fuzz-build:
	@bash scripts/setup.sh fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKAMIRE_FUZZ=ON \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velkamire_fuzzers

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
