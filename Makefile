# make run     - install what is missing, build, assemble the data and play.
# make test    - the same set-up, then the whole test suite.
# make install - build, then install under PREFIX (default /usr/local),
#                below DESTDIR when given.
# make package - build, then make the Debian package in the build folder.
# make level-pictures [NAMES="lev4 lev5"] - build, then take the reference
#                pictures of the shipped levels (all, or the ones named) into
#                assets/levels/pictures/, which the suite compares against.
BUILD ?= build
JOBS ?= 2
PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all setup configure build run test install package clean level-pictures

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

clean:
	rm -rf $(BUILD)
