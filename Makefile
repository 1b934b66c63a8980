# Two entry points for a fresh Debian 12 machine:
#   make run   installs what is missing, builds, and starts the main program
#   make test  installs what is missing, builds, and runs every test (also under ASan/UBSan)
.PHONY: setup configure build run test test-asan bench deb fuzz format clean

setup:
	./scripts/setup-debian.sh

configure: setup
	cmake --preset dev > /dev/null

build: configure
	cmake --build --preset dev

run: build
	./scripts/run-main.sh

test: build
	ctest --preset dev
	$(MAKE) test-asan

test-asan: setup
	cmake --preset asan > /dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build
	./scripts/run-benchmarks.sh

deb: build
	cd build && cpack -G DEB

# Every fuzz target for FUZZ_SECONDS (default 600) each, one after another.
fuzz:
	./scripts/setup-debian.sh --fuzz
	cmake --preset fuzz > /dev/null
	cmake --build --preset fuzz
	./scripts/run-fuzz.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-asan build-fuzz
