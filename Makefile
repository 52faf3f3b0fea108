# make run   - build and start the editor
# make test  - build and run every test
# make bench - build and run the benchmarks
# make install PREFIX=/some/where - install the program (DESTDIR is honoured too)
# make deb   - build the Debian package in $(BUILD)
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test bench install deb clean

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

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

deb: build
	@cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
