# The one entry point. Every target first installs what is missing (tools/install-deps.sh).
#   make        build the host and both Windows trees; the shipped deliverables land in dist/
#               with the setup that installs them (skyrel-setup.exe), their x86_64 twins (a
#               test world, not shipped) in build/win64/dist/
#   make test   every host test, the Wine suite in each world this machine runs (win32 where
#               its kernel runs 32-bit code, win64 always; KB_WINE_WORLDS=win32|win64|both
#               forces it), then the check of both dist folders
#   make bench  the benchmarks of an optimised host tree (build/host-release) and of the widest
#               Wine world; results in build/bench/, each figure beside its floor measured in
#               the same run in build/bench/summary.txt. Fails only when a benchmark fails to
#               run or loses an event; a missed goal is reported there
#   make demo   the drivers and the receiver simulator in Wine, playing examples/demo-session.txt
#               (another session file: make demo SESSION=path), in the widest Wine world
#   make fuzz   every fuzz target for KB_FUZZ_SECONDS (default 600) each, then the long message
#               storm over the windows of the real programs (widest Wine world)
#   make lint   the clang static analyzer and the clang-tidy checks of tools/lint/ over every
#               tree; non-zero on a finding
#   make art    a contact sheet of every picture of the project and of the windows as Wine
#               shows them: build/art/contact-sheet.png
#   make clean  remove the build trees and dist/ (each world's Wine prefix goes with its tree)

SHELL := /bin/bash
HOST  := build/host
# The benchmarks' own host tree: optimised, no sanitizers, so that its figures mean something.
BENCH_HOST := build/host-release
WIN32 := build/win32
WIN64 := build/win64
FUZZ  := build/fuzz
JOBS  ?= $(shell nproc)
CMAKE_GEN := -G Ninja
# $(call wine_session,WORLD): the command prefix that runs a command in a Wine session of
# that world's build tree.
wine_session = tools/wine/wine-session.sh --world $(1) --prefix $(abspath build/$(1))/wineprefix --

.PHONY: all deps host win32 win64 win32-dist win64-dist fuzz-tree test test-host test-wine test-fuzz check-dist bench demo fuzz lint art clean

all: host win32 win64

deps:
	@tools/install-deps.sh

$(HOST)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(HOST) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKB_SANITIZE=ON

$(BENCH_HOST)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BENCH_HOST) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DKB_SANITIZE=OFF

$(WIN32)/build.ninja: CMakeLists.txt cmake/toolchain-i686-mingw.cmake cmake/toolchain-mingw.cmake | deps
	cmake -S . -B $(WIN32) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake

$(WIN64)/build.ninja: CMakeLists.txt cmake/toolchain-x86_64-mingw.cmake cmake/toolchain-mingw.cmake | deps
	cmake -S . -B $(WIN64) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-mingw.cmake

$(FUZZ)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKB_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

fuzz-tree: deps $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS)

host: deps $(HOST)/build.ninja
	cmake --build $(HOST) -j $(JOBS)

win32: deps $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS)

win64: deps $(WIN64)/build.ninja
	cmake --build $(WIN64) -j $(JOBS)

# Only what a world ships (its deliverables in its dist folder and the setup over them): enough
# for the shipping check, where the world's Wine suite won't run.
win32-dist: deps $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS) --target setup

win64-dist: deps $(WIN64)/build.ninja
	cmake --build $(WIN64) -j $(JOBS) --target setup

test: test-host test-fuzz test-wine check-dist
	@python3 tools/test-summary.py host=$(HOST)/junit.xml fuzz=$(FUZZ)/junit.xml \
	  $(foreach w,win32 win64,$(if $(wildcard build/$(w)/junit.xml),$(w)=build/$(w)/junit.xml,--not-run $(w)))

test-host: host
	@rm -rf $(HOST)/gtest
	ctest --test-dir $(HOST) --output-on-failure --no-tests=error -LE bench -j $(JOBS) --output-junit junit.xml

# Wine tests share one prefix, display and server per world, and run one at a time: several of
# them start the same driver services. A world whose suite runs here is built whole; the other
# only as far as it ships. Every world asked for runs, even after one fails; a world's report is
# removed first, so the summary counts only the worlds that ran now.
test-wine: deps $(WIN32)/build.ninja $(WIN64)/build.ninja
	@rm -rf $(WIN32)/junit.xml $(WIN64)/junit.xml $(WIN32)/gtest $(WIN64)/gtest
	@worlds=$$(tools/wine/wine-worlds.sh) || exit 1; \
	for w in win32 win64; do \
	  if grep -qx $$w <<<"$$worlds"; then $(MAKE) --no-print-directory $$w || exit 1; \
	  else $(MAKE) --no-print-directory $$w-dist || exit 1; fi; \
	done; rc=0; \
	for w in $$worlds; do \
	  echo "wine: the Wine suite in the $$w world (build/$$w)"; \
	  $(call wine_session,$$w) ctest --test-dir build/$$w --output-on-failure --no-tests=error \
	    -LE 'bench|storm' --output-junit junit.xml || rc=1; \
	done; exit $$rc

# A short run of every fuzz target, so a decoding fault found by chance fails the build.
test-fuzz: fuzz-tree
	ctest --test-dir $(FUZZ) --output-on-failure --no-tests=error -L fuzz -j $(JOBS) --output-junit junit.xml

check-dist: win32-dist win64-dist
	python3 tools/pecheck/check_pe.py --machine i386 dist
	python3 tools/pecheck/check_pe.py --machine x86-64 $(WIN64)/dist

bench: deps $(BENCH_HOST)/build.ninja
	cmake --build $(BENCH_HOST) -j $(JOBS)
	rm -rf build/bench && mkdir -p build/bench
	ctest --test-dir $(BENCH_HOST) --output-on-failure -L bench -V > build/bench/host.log
	@world=$$(tools/wine/wine-worlds.sh --widest) || exit 1; \
	$(MAKE) --no-print-directory $$world || exit 1; \
	echo "bench: the Wine benchmarks run in the $$world world (build/$$world)"; \
	$(call wine_session,$$world) ctest --test-dir build/$$world --output-on-failure -L bench -V \
	  > build/bench/wine-$$world.log; rc=$$?; \
	dist=$$([ $$world = win32 ] && echo dist || echo build/$$world/dist); \
	echo "benchmark summary (build/bench/summary.txt):"; \
	python3 tools/bench-summary.py --world $$world --bench-dir build/bench --dist $$dist build/bench/summary.txt || rc=1; \
	echo "benchmark results:"; for f in build/bench/*.txt build/bench/*.json; do [ -e "$$f" ] && echo "  $$f"; done; exit $$rc

# The receiver simulator plays a session file against the real driver, with keyagent.exe, the
# stand-in applications and the status applet on a Wine desktop; its output, the pictures of the
# screen and the page that shows them (build/demo/index.html) are kept in build/demo/.
SESSION ?= examples/demo-session.txt
demo: deps
	@world=$$(tools/wine/wine-worlds.sh --widest) || exit 1; \
	$(MAKE) --no-print-directory $$world || exit 1; \
	echo "demo: in the $$world world (build/$$world)"; \
	$(call wine_session,$$world) tools/simulator/run-demo.sh $$world $(abspath build)/$$world $(abspath $(SESSION)) $(abspath build)/demo

# Then the long message storm over the real programs' windows, in the widest Wine world.
fuzz: fuzz-tree
	KB_FUZZ_SECONDS=$${KB_FUZZ_SECONDS:-600} ctest --test-dir $(FUZZ) --output-on-failure -L fuzz -V
	@world=$$(tools/wine/wine-worlds.sh --widest) || exit 1; \
	$(MAKE) --no-print-directory $$world || exit 1; \
	echo "fuzz: the long message storm in the $$world world (build/$$world)"; \
	$(call wine_session,$$world) ctest --test-dir build/$$world --output-on-failure -L storm -V

# Each source file as its tree compiles it: the host tree, the fuzz tree's own targets, and the
# shipped Windows world through clang's mingw-w64 target. Some 15 to 19 minutes of CPU (8 to 10
# on two idle cores), too long to add to `make test`: CI runs it after it (.ci/run).
lint: host fuzz-tree win32
	python3 tools/lint/lint.py --jobs $(JOBS) $(HOST) $(FUZZ) $(WIN32)

# Every picture drawn in a subsystem's art/ folder, at 1x and enlarged, and the windows as a user
# sees them: the Wine tests labelled "screenshots" capture them (widest world) into captures/.
ART_SOURCES := $(sort $(wildcard */art/*.art */*/art/*.art))
art: deps
	@world=$$(tools/wine/wine-worlds.sh --widest) || exit 1; \
	$(MAKE) --no-print-directory $$world || exit 1; \
	rm -rf build/$$world/captures; \
	echo "art: the screenshots are taken in the $$world world (build/$$world)"; \
	$(call wine_session,$$world) ctest --test-dir build/$$world -L screenshots --output-on-failure --no-tests=error || exit 1; \
	python3 tools/art/art.py sheet build/art/contact-sheet.png $(ART_SOURCES) build/$$world/captures/*.png
	@echo "contact sheet: build/art/contact-sheet.png"

clean:
	rm -rf build dist
