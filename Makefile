# make run   - build and start the editor
# make test  - build and run every test
# make bench - build and run the benchmarks
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test bench clean

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

clean:
	rm -rf $(BUILD)
