# The one entry point. Every target first installs what is missing (tools/install-deps.sh).
#   make        build the host and the Windows trees; the deliverables land in dist/
#   make test   every host test and every Wine test, then the check of dist/
#   make bench  the benchmarks of both trees; results in build/bench/
#   make demo   the drivers and the receiver simulator in Wine, playing examples/demo-session.txt
#               (another session file: make demo SESSION=path)
#   make fuzz   every fuzz target for KB_FUZZ_SECONDS (default 600) each
#   make art    a contact sheet of every picture of the project: build/art/contact-sheet.png
#   make clean  remove the build trees and dist/ (the Wine prefix goes with build/win32)

SHELL := /bin/bash
HOST  := build/host
WIN32 := build/win32
FUZZ  := build/fuzz
JOBS  ?= $(shell nproc)
CMAKE_GEN := -G Ninja
WINE_SESSION := tools/wine/wine-session.sh --prefix $(abspath $(WIN32))/wineprefix --

.PHONY: all deps host win32 fuzz-tree test test-host test-wine test-fuzz check-dist bench demo fuzz art clean

all: host win32

deps:
	@tools/install-deps.sh

$(HOST)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(HOST) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DKB_SANITIZE=ON

$(WIN32)/build.ninja: CMakeLists.txt cmake/toolchain-i686-mingw.cmake | deps
	cmake -S . -B $(WIN32) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake

$(FUZZ)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(FUZZ) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKB_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

fuzz-tree: deps $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS)

host: deps $(HOST)/build.ninja
	cmake --build $(HOST) -j $(JOBS)

win32: deps $(WIN32)/build.ninja
	cmake --build $(WIN32) -j $(JOBS)

test: test-host test-fuzz test-wine check-dist
	@python3 tools/test-summary.py $(wildcard $(HOST)/junit.xml $(WIN32)/junit.xml $(FUZZ)/junit.xml)

test-host: host
	ctest --test-dir $(HOST) --output-on-failure --no-tests=error -LE bench -j $(JOBS) --output-junit junit.xml

# Wine tests share one prefix, display and server, and run one at a time: several of them
# start the same driver services.
test-wine: win32
	$(WINE_SESSION) ctest --test-dir $(WIN32) --output-on-failure --no-tests=error -LE bench --output-junit junit.xml

# A short run of every fuzz target, so a decoding fault found by chance fails the build.
test-fuzz: fuzz-tree
	ctest --test-dir $(FUZZ) --output-on-failure --no-tests=error -L fuzz -j $(JOBS) --output-junit junit.xml

check-dist: win32
	python3 tools/pecheck/check_pe.py dist

bench: host win32
	mkdir -p build/bench
	ctest --test-dir $(HOST) --output-on-failure -L bench -V > build/bench/host.log
	$(WINE_SESSION) ctest --test-dir $(WIN32) --output-on-failure -L bench -V > build/bench/wine.log
	@echo "benchmark results:"; for f in build/bench/*.txt build/bench/*.json; do [ -e "$$f" ] && echo "  $$f"; done; true

# The receiver simulator plays a session file against the real driver; its output is also kept
# in build/win32/demo/.
SESSION ?= examples/demo-session.txt
demo: win32
	$(WINE_SESSION) tools/simulator/run-demo.sh $(abspath $(WIN32)) $(abspath $(SESSION))

fuzz: fuzz-tree
	KB_FUZZ_SECONDS=$${KB_FUZZ_SECONDS:-600} ctest --test-dir $(FUZZ) --output-on-failure -L fuzz -V

# Every picture drawn in a subsystem's art/ folder, at 1x and 4x, for review.
ART_SOURCES := $(sort $(wildcard */art/*.art */*/art/*.art))
art: deps
	python3 tools/art/art.py sheet build/art/contact-sheet.png $(ART_SOURCES)
	@echo "contact sheet: build/art/contact-sheet.png"

clean:
	rm -rf build dist
