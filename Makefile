# make run   — set up, build and run the demo (host window, or the headless demo without a display)
# make test  — set up, build and run every test
# make test-sanitize — the same in build-sanitize/, built with AddressSanitizer and UndefinedBehaviorSanitizer
# make bench — set up, build and run the benchmarks
# make screenshot — set up, build and save pictures of the ledger inquiry at work (docs/screenshot.png) and of
#                   a line's source opened from it (docs/screenshot-source.png), the user guide's pictures in
#                   Italian and English (docs/user-guide/), the tree's figures with a comparison
#                   (docs/analysis-comparison.png), and a group's chart (docs/chart.png, and in the window,
#                   docs/analysis-chart.png)
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS  ?= $(shell nproc)
# A sanitizer's finding (a leak included) fails the test it happens in. The plug-in and the host that loads
# it both hold the host framework and share one copy of it through their exported symbols, so a definition
# is met twice, identical: only two of different sizes are a violation.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_odr_violation=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: deps configure build test test-sanitize run bench screenshot clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Optimised lightly, with line numbers for the reports, so that the build and the run stay well within CI's time.
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DQUORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	       -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run-demo.sh $(BUILD)

bench: build
	@bash scripts/run-bench.sh $(BUILD)

screenshot: build
	@bash scripts/screenshot.sh $(BUILD) docs/screenshot.png

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
