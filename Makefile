# Pelorus: the two commands a person needs are `make run` and `make test`; each installs what
# is missing first (scripts/bootstrap) and builds what changed.
SHELL := /bin/bash
.DEFAULT_GOAL := build
.PHONY: build run demo test dist clean bootstrap fuzz bench

TEST_ARCH = $(shell source scripts/common.sh && pelorus_test_arch)

bootstrap:
	@scripts/bootstrap

# native (unit tests) and both shipped builds, win32 and win64.
build: bootstrap
	@scripts/build native win32 win64

# Pelorus under Wine, on $$DISPLAY or a virtual display of its own (the display is printed).
run: bootstrap
	@arch=$(TEST_ARCH); scripts/build $$arch && \
	  echo "run: Pelorus ($$arch build) starts under Wine; Ctrl-C ends it and its Wine session" && \
	  scripts/winenv --arch $$arch -- wine build/$$arch/bin/Pelorus.exe

# make run, then a few fake browser windows of several types a moment later.
demo: bootstrap
	@arch=$(TEST_ARCH); scripts/build $$arch && scripts/demo $$arch

test:
	@scripts/test

# The fuzzers for longer than the test run gives them (FUZZ_SECONDS each), each keeping a corpus
# of its own; every one runs, even after another has found something.
FUZZERS = watch_rules keeper_args settings_reader hook_block
FUZZ_SECONDS ?= 600
fuzz: bootstrap
	@scripts/build native
	@mkdir -p build/native/fuzz-artifacts
	@failed=0; for fuzzer in $(FUZZERS); do \
	  echo "fuzz: $$fuzzer for $(FUZZ_SECONDS) s"; mkdir -p build/fuzz-corpus/$$fuzzer; \
	  build/native/bin/$${fuzzer}_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/native/fuzz-artifacts/ build/fuzz-corpus/$$fuzzer || failed=1; \
	done; exit $$failed

# Benchmarks: each prints its figures side by side with its baseline. The hook's instructions
# are counted natively (callgrind); the rest run under Wine.
bench:
	@scripts/bootstrap --bench
	@bench/hook_hot_path
	@bench/window_search_bench
	@arch=$(TEST_ARCH); scripts/build $$arch && \
	  scripts/winenv --arch $$arch -- bash -c "wine build/$$arch/bin/hook_overhead.exe && \
	    wine build/$$arch/bin/capture_latency.exe && wine build/$$arch/bin/title_storm.exe" && \
	  bench/keeper_cost $$arch && bench/watcher_cost $$arch

# The release in build/dist: a zip and an installer for each architecture (scripts/dist).
dist: bootstrap
	@scripts/dist

clean:
	rm -rf build/native build/win32 build/win64 build/dist
	@echo "clean: kept build/wine (the Wine prefixes; remove it by hand to make them anew)"
