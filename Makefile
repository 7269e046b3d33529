# make run     - install what is missing, build, assemble the data and play.
# make test    - the same set-up, then the whole test suite.
# make install - build, then install under PREFIX (default /usr/local),
#                below DESTDIR when given.
# make package - build, then make the Debian package in the build folder.
# make level-pictures [NAMES="lev4 lev5"] - build, then take the reference
#                pictures of the shipped levels (all, or the ones named) into
#                assets/levels/pictures/, which the suite compares against.
# make bench   - build optimised into build-bench/ and run the performance
#                benchmark (bench/run.sh): frames per level, the bare-GL
#                limit, the world step, start-up and level loads.
BUILD ?= build
JOBS ?= 2
PREFIX ?= /usr/local
BENCH_BUILD ?= build-bench
DESTDIR ?=

.PHONY: all setup configure build run test install package clean level-pictures bench

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
	rm -rf $(BUILD) $(BENCH_BUILD)
