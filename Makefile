# The two commands a new player or developer needs:
#   make play   build the game and start it on the shipped levels in game/
#   make test   install what the tests need, build with sanitizers and run every test
# For measuring: make bench [BENCH_ARGS=...] runs the benchmarks (README, "Benchmarks").
RELEASE_DIR := build/release
TEST_DIR    := build/test
BENCH_DIR   := build/bench
JOBS        ?= 2
BENCH_ARGS  ?=

.PHONY: play test release test-deps bench bench-build bench-deps clean

play: release
	cd game && ../$(RELEASE_DIR)/quadrivant

release:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) --parallel $(JOBS) --target quadrivant

test: test-deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUADRIVANT_TESTS=ON -DQUADRIVANT_SANITIZE=ON
	cmake --build $(TEST_DIR) --parallel $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure --timeout 300

test-deps:
	@sh scripts/install-test-deps.sh

bench: bench-build
	$(BENCH_DIR)/bench/quadrivant_bench $(BENCH_ARGS)

# The benchmarks, the game with instant waits and the game itself, optimised with -O2.
bench-build: bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DQUADRIVANT_BENCH=ON
	cmake --build $(BENCH_DIR) --parallel $(JOBS) --target quadrivant_bench quadrivant_instant quadrivant

bench-deps:
	@sh scripts/install-packages.sh benchmark cmake g++ make libbenchmark-dev

clean:
	rm -rf build
