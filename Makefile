# SPDX-License-Identifier: MIT
# make run: install what building and running need, build the program, start the game.
# make test: install what is missing, build everything, run every test (plain and sanitizer builds).
.PHONY: all deps deps-run program build run test test-plain test-asan package bench icons screenshots translations format clean

all: build

# What building and running the game need.
deps-run:
	@scripts/install-deps.sh run

# That, and the tools of the test suite.
deps:
	@scripts/install-deps.sh test

# The program alone, with Ikone/ beside it.
program: deps-run
	cmake --preset default
	cmake --build --preset default --target tarvo

build: deps
	cmake --preset default
	cmake --build --preset default

run: program
	./build/tarvo

test: test-plain test-asan

test-plain: build
	ctest --preset default

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# The Debian package, in build/package/: sudo apt install ./build/package/tarvo_*.deb
package: build
	cd build && cpack -G DEB

# Benchmarks against the toolkit's own floor; not part of make test.
bench: build
	cmake --build --preset default --target benchmarks
	bench/run.sh build

# Redraws the artwork in data/ (the committed icons come from this).
icons: build
	cmake --build --preset default --target icons

# The pictures of the game in docs/screenshots/, drawn from the real windows.
screenshots: build
	QT_QPA_PLATFORM=offscreen ./build/screenshots docs/screenshots

# Brings translations/*.ts up to date with the texts the code marks.
translations: build
	cmake --build --preset default --target translations

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan
