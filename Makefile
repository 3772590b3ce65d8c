# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, builds and then runs. `make fuzz` fuzzes for longer.

JOBS ?= $(shell nproc)
# Seconds each fuzz target runs under `make fuzz`; `make test` gives each 3.
FUZZ_SECONDS ?= 60

.PHONY: deps run test test-default test-asan test-fuzz fuzz bench clean

deps:
	./scripts/install-deps.sh

build/default/CMakeCache.txt: | deps
	cmake --preset default

build/release/CMakeCache.txt: | deps
	cmake --preset release

build/asan/CMakeCache.txt: | deps
	cmake --preset asan

build/fuzz/CMakeCache.txt: | deps
	cmake --preset fuzz

# Plain tests first: they fail fastest and say most. One stage at a time,
# even under make -j: each build already uses every core.
.NOTPARALLEL:
test: test-default test-asan test-fuzz

test-default: deps build/default/CMakeCache.txt
	cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

test-asan: deps build/asan/CMakeCache.txt
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

test-fuzz: deps build/fuzz/CMakeCache.txt
	cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS= ctest --preset fuzz -j $(JOBS)

# One target after another, so that each has a core of its own.
fuzz: deps build/fuzz/CMakeCache.txt
	cmake --build --preset fuzz -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz -R '\.run$$'; status=$$?; \
	for log in build/fuzz/fuzz/artifacts/*.log; do \
	    echo "$$(basename "$$log" .log): $$(grep '^Done' "$$log" || echo 'no count: see' "$$log")"; \
	done; \
	exit $$status

run: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	@echo "The calculator window is not built yet: only its computing core exists."

bench: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	./build/release/bench/quorvel_calc_bench

clean:
	rm -rf build
