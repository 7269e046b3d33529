# make run  - install what is missing, build, assemble the data and play.
# make test - the same set-up, then the whole test suite.
# make fuzz - builds the libFuzzer targets with clang in build-fuzz/ and
#   runs each for FUZZ_SECONDS.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= 2

.PHONY: all setup configure build run test fuzz clean

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

fuzz:
	@bash scripts/setup.sh fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKAMIRE_FUZZ=ON \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velkamire_fuzzers
	@FUZZ_BUILD=$(FUZZ_BUILD) bash scripts/fuzz.sh -t $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
