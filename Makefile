# Two commands: `make play` builds and starts the game, `make check` builds and runs every test.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: play check build bench deps clean

deps:
	@bash tools/install-deps.sh

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

play: build
	cd build/game && ./pellaron

check: deps
	cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DPELLARON_SANITIZE=ON
	cmake --build build-check -j $(JOBS)
	cd build-check && ctest --output-on-failure -j $(JOBS)

bench: build
	./build/pellaron_bench

clean:
	rm -rf build build-check
