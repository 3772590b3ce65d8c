# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, builds and then runs.

JOBS ?= $(shell nproc)

.PHONY: deps run test test-default test-asan bench clean

deps:
	./scripts/install-deps.sh

build/default/CMakeCache.txt: | deps
	cmake --preset default

build/release/CMakeCache.txt: | deps
	cmake --preset release

build/asan/CMakeCache.txt: | deps
	cmake --preset asan

# Plain tests first: they fail fastest and say most. One stage at a time,
# even under make -j: each build already uses every core.
.NOTPARALLEL:
test: test-default test-asan

test-default: deps build/default/CMakeCache.txt
	cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

test-asan: deps build/asan/CMakeCache.txt
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

run: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	@echo "The calculator window is not built yet: only its computing core exists."

bench: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	./build/release/bench/quorvel_calc_bench

clean:
	rm -rf build
