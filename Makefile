# The two commands a new player or developer needs:
#   make play   build the game and start it on the shipped levels in game/
#   make test   install what the tests need, build with sanitizers and run every test
# (make fuzz, an extra for developers, builds and runs the fuzz targets: see README.md)
# (make bench [BENCH_ARGS=...], an extra for measuring, runs the benchmarks: see README.md)
RELEASE_DIR := build/release
TEST_DIR    := build/test
FUZZ_DIR    := build/fuzz
BENCH_DIR   := build/bench
JOBS        ?= 2
PREFIX      ?= /usr/local
# make fuzz: every libFuzzer target in fuzz/ runs this many seconds (CI runs them briefly).
FUZZ_SECONDS ?= 60
FUZZ_CXX     ?= clang++
BENCH_ARGS   ?=

LIBCXX_DIR  := build/libcxx

.PHONY: play test release game-deps test-deps install uninstall fuzz libcxx bench bench-build bench-deps clean

play: release
	cd game && ../$(RELEASE_DIR)/quadrivant

release: game-deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DQUADRIVANT_WERROR=OFF
	cmake --build $(RELEASE_DIR) --parallel $(JOBS) --target quadrivant

# make install [PREFIX=/usr/local] [DESTDIR=staging]: the programs, the shipped adventure, the
# author's guide and the man pages; make uninstall removes what the last install wrote
# (scripts/uninstall.sh). PREFIX and DESTDIR are taken as written, blanks, quotes and '$'
# included: make does not expand them ($(value)) and hands them to the shell in the environment,
# where it neither splits nor expands them.
export QUADRIVANT_PREFIX := $(value PREFIX)
export QUADRIVANT_DESTDIR := $(value DESTDIR)

install: game-deps
	@sh scripts/check-install-paths.sh
	cmake -S . -B "$(RELEASE_DIR)" -DCMAKE_BUILD_TYPE=Release -DQUADRIVANT_WERROR=OFF \
	  -DCMAKE_INSTALL_PREFIX="$$QUADRIVANT_PREFIX"
	cmake --build "$(RELEASE_DIR)" --parallel $(JOBS) --target quadrivant quadrivant-check \
	  quadrivant-author
	DESTDIR="$$QUADRIVANT_DESTDIR" cmake --install "$(RELEASE_DIR)"

uninstall:
	@sh scripts/uninstall.sh "$(RELEASE_DIR)"

test: test-deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUADRIVANT_TESTS=ON -DQUADRIVANT_SANITIZE=ON \
	  -DCMAKE_INSTALL_PREFIX="$(CURDIR)/$(TEST_DIR)/installed" \
	  -DQUADRIVANT_WERROR=ON
	cmake --build $(TEST_DIR) --parallel $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure --timeout 300

fuzz: test-deps
	cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) \
	  -DQUADRIVANT_FUZZ=ON -DQUADRIVANT_WERROR=ON
	cmake --build $(FUZZ_DIR) --parallel $(JOBS) --target fuzz_targets
	sh scripts/run-fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# The game, the checker and the authoring tool built with clang++ and libc++, the toolchain
# macOS uses, with warnings as errors (CI runs it).
libcxx: test-deps
	cmake -S . -B $(LIBCXX_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_CXX_FLAGS=-stdlib=libc++ -DQUADRIVANT_WERROR=ON
	cmake --build $(LIBCXX_DIR) --parallel $(JOBS)

# What the game itself builds with: a compiler, CMake and utf8proc, the Unicode library that
# tells how wide a character of level data is on a terminal.
game-deps:
	@sh scripts/install-packages.sh game cmake g++ make libutf8proc-dev

test-deps:
	@sh scripts/install-test-deps.sh

bench: bench-build
	$(BENCH_DIR)/bench/quadrivant_bench $(BENCH_ARGS)

# The benchmarks, the game with instant waits, the floor and the game itself, optimised with -O2.
bench-build: bench-deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DQUADRIVANT_BENCH=ON
	cmake --build $(BENCH_DIR) --parallel $(JOBS) --target quadrivant_bench quadrivant_instant quadrivant_floor quadrivant

bench-deps:
	@sh scripts/install-packages.sh benchmark cmake g++ make libutf8proc-dev libbenchmark-dev

clean:
	rm -rf build
