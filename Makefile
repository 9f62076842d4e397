# make run   — set up, build and run the demo (host window, or the headless demo without a display)
# make test  — set up, build and run every test
# make bench — set up, build and run the benchmarks
# make screenshot — set up, build and save pictures of the ledger inquiry at work (docs/screenshot.png) and of
#                   a line's source opened from it (docs/screenshot-source.png)
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: deps configure build test run bench screenshot clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run-demo.sh $(BUILD)

bench: build
	@bash scripts/run-bench.sh $(BUILD)

screenshot: build
	@bash scripts/screenshot.sh $(BUILD) docs/screenshot.png

clean:
	rm -rf $(BUILD)
