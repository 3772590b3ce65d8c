# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, builds and then runs.

JOBS ?= $(shell nproc)

SCREENSHOT ?= screenshots/quorvel.png
PROGRAM := build/release/app/quorvel

.PHONY: deps run test bench screenshot program clean

deps:
	./scripts/install-deps.sh

build/default/CMakeCache.txt: | deps
	cmake --preset default

build/release/CMakeCache.txt: | deps
	cmake --preset release

test: deps build/default/CMakeCache.txt
	cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

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
	./scripts/screenshot.sh $(PROGRAM) $(SCREENSHOT)

# Release build; prints one table of figures, budgets and ratios to the floor.
bench: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS) --target quorvel_calc_bench quorvel_key_bench quorvel_startup_bench
	python3 bench/run.py build/release/bench

clean:
	rm -rf build
