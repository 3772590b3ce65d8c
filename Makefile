# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, builds and then runs.

JOBS ?= $(shell nproc)

.PHONY: deps run test bench clean

deps:
	./scripts/install-deps.sh

build/default/CMakeCache.txt: | deps
	cmake --preset default

build/release/CMakeCache.txt: | deps
	cmake --preset release

test: deps build/default/CMakeCache.txt
	cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

run: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	@echo "The calculator window is not built yet: only its computing core exists."

bench: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS)
	./build/release/bench/quorvel_calc_bench

clean:
	rm -rf build
