# The two commands of the README: `make run` and `make test`. Each installs
# what is missing, builds and then runs. `make fuzz` fuzzes for longer.

JOBS ?= $(shell nproc)
# Seconds each fuzz target runs under `make fuzz`; `make test` gives each 3.
FUZZ_SECONDS ?= 60

# make screenshot SCALE=2 photographs the window at a device pixel ratio of 2.
SCALE ?= 1
SCREENSHOT ?= screenshots/quorvel$(if $(filter-out 1,$(SCALE)),@$(SCALE)x).png
PROGRAM := build/release/app/quorvel

.PHONY: deps test-deps sanitize-deps web-deps browsers-deps windows-deps run test test-default test-sanitize test-package \
	test-web test-windows fuzz bench key-instructions web-bench screenshot web-screenshot windows-screenshot program web \
	windows windows-icon clean

# Each stage installs what its own checks use, and no more: the program
# alone; then the suites and checks; the sanitizers and fuzzers; what
# building the page needs; the browsers its checks run in; the Windows
# program's cross-compiler and Wine.
# The tools check of each build asks for the tools of these stages alone
# (QUORVEL_INSTALLED_STAGES in CMakePresets.json, and web/tests/tools.test.mjs).
deps:
	./scripts/install-deps.sh build

test-deps:
	./scripts/install-deps.sh build test

sanitize-deps:
	./scripts/install-deps.sh build test fuzz

web-deps:
	./scripts/install-deps.sh build web

browsers-deps:
	./scripts/install-deps.sh build test web browsers

windows-deps:
	./scripts/install-deps.sh build windows

build/default/CMakeCache.txt: | test-deps
	cmake --preset default

build/release/CMakeCache.txt: | deps
	cmake --preset release

build/sanitize/CMakeCache.txt: | sanitize-deps
	cmake --preset sanitize

build/web/CMakeCache.txt: | web-deps
	cmake --preset web

build/windows/CMakeCache.txt: | windows-deps windows-icon
	cmake --preset windows

# The page test's pinned puppeteer-core, which drives the system's Chromium
# and downloads no browser of its own.
NODE_MODULES := web/tests/node_modules/.package-lock.json
$(NODE_MODULES): web/tests/package.json web/tests/package-lock.json | browsers-deps
	cd web/tests && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund

# Plain tests first: they fail fastest and say most. One stage at a time,
# even under make -j: each build already uses every core. The program is
# compiled once, in the default build, which the package stage packs.
.NOTPARALLEL:
test: test-default test-sanitize test-package test-web test-windows

test-default: test-deps build/default/CMakeCache.txt
	cmake --build --preset default -j $(JOBS)
	ctest --preset default -j $(JOBS)

# The core's suites and the fuzz targets, each target replaying its seeds
# and then fuzzing for 3 seconds, all under ASan and UBSan.
test-sanitize: sanitize-deps build/sanitize/CMakeCache.txt
	cmake --build --preset sanitize -j $(JOBS)
	FUZZ_SECONDS= ctest --preset sanitize -j $(JOBS)

# The package make package ships, made from the default build: installed
# into a scratch root with dpkg, started from its desktop entry, and lintian's.
test-package: test-deps build/default/CMakeCache.txt
	cmake --build --preset default -j $(JOBS)
	ctest --preset package

# The page in headless Chromium and Firefox, under three locales, against
# the texts the calculator built natively shows.
test-web: browsers-deps web build/default/CMakeCache.txt $(NODE_MODULES)
	cmake --build --preset default -j $(JOBS) --target quorvel_page_expectations
	node --test web/tests/

# Quorvel.exe, the core's suites and the driver that plays the page's
# scenarios on the real window, all under Wine on a virtual display, in a
# Wine prefix of the build's own. One test at a time: a program started in
# another locale rewrites the prefix's regional settings, and a suite running
# beside it then read the other locale's numbers.
WINE_SESSION := ./scripts/wine-session.sh build/windows/wineprefix
test-windows: test-deps windows-deps windows
	cmake --build --preset windows -j $(JOBS)
	$(WINE_SESSION) ctest --preset windows -j 1

# One target after another, so that each has a core of its own.
fuzz: sanitize-deps build/sanitize/CMakeCache.txt
	cmake --build --preset sanitize -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset sanitize -R '\.run$$'; status=$$?; \
	for log in build/sanitize/fuzz/artifacts/*.log; do \
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

# The calculator as one web page, build/web/quorvel.html: open it from disk.
web: web-deps build/web/CMakeCache.txt
	cmake --build --preset web -j $(JOBS)
	@ls -l build/web/quorvel.html

screenshot: program
	./scripts/screenshot.sh $(PROGRAM) $(SCREENSHOT) $(SCALE)

# The icon the native build makes from ui/quorvel.xpm, which Quorvel.exe carries.
windows-icon: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS) --target quorvel_icons

# The Windows program, build/windows/Quorvel.exe, and the zip a user
# downloads, build/windows/Quorvel-<version>-win64.zip.
windows: windows-deps windows-icon build/windows/CMakeCache.txt
	cmake --build --preset windows -j $(JOBS) --target quorvel_windows_zip
	@ls -l build/windows/Quorvel.exe build/windows/Quorvel-*-win64.zip

# The window as Wine shows it on Xvfb, in docs/screenshots/windows.png; R1's
# part picker and its tooltip under Romanian settings, driven by xdotool.
windows-screenshot: test-deps windows
	$(WINE_SESSION) ./scripts/windows_screenshot.sh build/windows docs/screenshots/windows.png
	LC_ALL=ro_RO.UTF-8 $(WINE_SESSION) ./scripts/windows_screenshot.sh build/windows docs/screenshots/windows-picker.png picker
	LC_ALL=ro_RO.UTF-8 $(WINE_SESSION) ./scripts/windows_screenshot.sh build/windows docs/screenshots/windows-tooltip.png tooltip

# A Debian package of the program, its desktop entry, metainfo, icons and manual page.
.PHONY: package
package: deps build/release/CMakeCache.txt
	cmake --build --preset release -j $(JOBS) --target package
	@ls build/release/*.deb

# Release build; prints one table of figures, budgets and ratios to the floor.
# Configured again, so that it finds the benchmark library the test stage brings.
bench: test-deps build/release/CMakeCache.txt
	cmake --preset release > /dev/null
	cmake --build --preset release -j $(JOBS) --target quorvel_calc_bench quorvel_key_bench quorvel_startup_bench
	python3 bench/run.py build/release/bench

# Instructions one keystroke costs the window, against the toolkit's floor,
# as callgrind counts them: the same on any machine, whatever its load.
build/instructions/CMakeCache.txt: | test-deps
	cmake --preset instructions

key-instructions: test-deps build/instructions/CMakeCache.txt
	cmake --build --preset instructions -j $(JOBS) --target quorvel_key_bench
	python3 bench/key_instructions.py build/instructions/bench

# The page's size, first paints and keystroke times beside their budgets.
# Measured here only: make test checks behaviour, not figures. BASE=<commit
# or page> loads another page in turn with it and gives the ratios to it;
# a commit's page is built once, outside the repository.
web-bench: web $(NODE_MODULES)
	JOBS=$(JOBS) node bench/web_bench.mjs $(if $(BASE),--base '$(BASE)')

# The page as headless Chromium shows it, beside the window on Xvfb; and the
# pictures of the page in docs/screenshots: on a laptop's and a desktop's
# screen, on a phone, a shared link opened on a phone, and a circuit's
# worked solution and its parts, wide and on a phone.
web-screenshot: web $(NODE_MODULES) screenshot
	node scripts/web_screenshot.mjs screenshots/quorvel-web.png
	convert $(SCREENSHOT) screenshots/quorvel-web.png +append screenshots/window-and-page.png
	@echo "web-screenshot: saved screenshots/window-and-page.png"
	node scripts/web_screenshot.mjs docs/screenshots/page-1280x800.png chromium big example
	node scripts/web_screenshot.mjs docs/screenshots/page-1920x1080.png chromium huge example
	node scripts/web_screenshot.mjs docs/screenshots/phone.png chromium phone example
	node scripts/web_screenshot.mjs docs/screenshots/phone-link.png chromium phone '#4K7,2K2,1M,470R,5mA'
	node scripts/web_screenshot.mjs docs/screenshots/page-solution.png chromium wide '#4K7,2K2,1M,470R,5mA' solution
	node scripts/web_screenshot.mjs docs/screenshots/page-parts.png chromium wide '#4K7,2K2,1M,470R,5mA' parts
	node scripts/web_screenshot.mjs docs/screenshots/page-parts-phone.png chromium phone '#4K7,2K2,1M,470R,5mA' parts

clean:
	rm -rf build
