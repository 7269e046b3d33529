# make run           - install what is missing, build, assemble the data and play.
# make test          - the same set-up, then the whole test suite.
# make test-sanitize - the whole suite again, built with AddressSanitizer
#                      and UndefinedBehaviorSanitizer in build-sanitize/
#                      (CTEST_ARGS picks tests; by default it leaves out,
#                      to keep CI short, the pitfall replays and all but
#                      three solution replays, which play the same game
#                      code over and over, and the install and kill tests,
#                      whose subject is not memory). Its soak plays
#                      SANITIZE_SOAK_SECONDS of game time on each level.
# make fuzz          - builds the libFuzzer targets with clang in build-fuzz/
#                      and runs each for FUZZ_SECONDS (make fuzz-build only
#                      builds them).
# make install       - build, then install under PREFIX (default /usr/local),
#                      below DESTDIR when given.
# make package       - build, then make the Debian package in the build folder.
# make level-pictures [NAMES="lev4 lev5"] - build, then take the reference
#                      pictures of the shipped levels (all, or the ones named)
#                      into assets/levels/pictures/, which the suite compares
#                      against.
# make bench         - build optimised into build-bench/ and run the
#                      performance benchmark (bench/run.sh): frames per level,
#                      the bare-GL limit, the world step, start-up and level
#                      loads.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
SANITIZE_SOAK_SECONDS ?= 180
CTEST_ARGS ?= -E 'LevelPitfalls|LevelSolutions[.]SolvesTheLevel/([1-9]|1[1-3])$$|KillDuringSave|InstalledGameKeepsThePlayersFilesApart'
JOBS ?= 2
PREFIX ?= /usr/local
BENCH_BUILD ?= build-bench
DESTDIR ?=

.PHONY: all setup configure build run test test-sanitize fuzz fuzz-build install package clean level-pictures bench

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
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKAMIRE_SANITIZE=ON \
	    -DVELKAMIRE_SOAK_SECONDS=$(SANITIZE_SOAK_SECONDS) >/dev/null
	@. scripts/sanitizer-env.sh && cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	. scripts/sanitizer-env.sh && cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

fuzz: fuzz-build
	@FUZZ_BUILD=$(FUZZ_BUILD) bash scripts/fuzz.sh -t $(FUZZ_SECONDS)

fuzz-build:
	@bash scripts/setup.sh fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELKAMIRE_FUZZ=ON \
	    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velkamire_fuzzers

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

package: build
	cd $(BUILD) && cpack -G DEB

level-pictures: build
	bash scripts/level-pictures.sh $(BUILD) assets/levels/pictures $(NAMES)

# Only what the benchmark runs is built: no tests.
bench: setup
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target data velkamire-replay velkamire-glprobe velkamire-levelc velkamire-bench
	bash bench/run.sh $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(BENCH_BUILD)
