# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, builds and then runs. `make fuzz` fuzzes for longer.

JOBS ?= $(shell nproc)
# Seconds each fuzz target runs under `make fuzz`; `make test` gives each 3.
FUZZ_SECONDS ?= 60

# make screenshot SCALE=2 photographs the window at a device pixel ratio of 2.
SCALE ?= 1
SCREENSHOT ?= screenshots/quorvel$(if $(filter-out 1,$(SCALE)),@$(SCALE)x).png
PROGRAM := build/release/app/quorvel

.PHONY: deps run test test-default test-asan test-fuzz fuzz bench screenshot program clean

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

program: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS) --target quorvel

# Without a display, the window is shown on a virtual one and photographed.
run: program
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
		$(PROGRAM); \
	else \
		echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set):"; \
		echo "showing the calculator on a virtual X display and saving a picture of it."; \
		./scripts/screenshot.sh $(PROGRAM) $(SCREENSHOT); \
	fi

screenshot: program
	./scripts/screenshot.sh $(PROGRAM) $(SCREENSHOT) $(SCALE)

# A Debian package of the program, its desktop entry, metainfo, icons and manual page.
.PHONY: package
package: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS) --target package
	@ls build/release/*.deb

# Release build; prints one table of figures, budgets and ratios to the floor.
bench: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS) --target quorvel_calc_bench quorvel_key_bench quorvel_startup_bench
	python3 bench/run.py build/release/bench

clean:
	rm -rf build
