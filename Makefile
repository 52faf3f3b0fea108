# make run   - build and start the editor
# make test  - build and run every test
# make bench - build and run the benchmarks
# make fuzz FUZZ_SECONDS=60 - build the fuzz targets in build-fuzz and run each for that long
# make install PREFIX=/some/where - install the program (DESTDIR is honoured too)
# make deb   - build the Debian package in $(BUILD)
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: setup configure build run test bench fuzz install deb clean

setup:
	@scripts/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/scrivant-editor

test: build
	@scripts/run-tests.sh $(BUILD)

bench: build
	@$(BUILD)/bench/scrivant-bench

fuzz: setup
	@scripts/fuzz.sh -s $(FUZZ_SECONDS) -j $(JOBS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

deb: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) build-fuzz
