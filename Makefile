# The two commands a new player or developer needs:
#   make play   build the game and start it on the shipped levels in game/
#   make test   install what the tests need, build with sanitizers and run every test
RELEASE_DIR := build/release
TEST_DIR    := build/test
JOBS        ?= 2

.PHONY: play test release test-deps clean

play: release
	cd game && ../$(RELEASE_DIR)/quadrivant

release:
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DQUADRIVANT_WERROR=OFF
	cmake --build $(RELEASE_DIR) --parallel $(JOBS) --target quadrivant

test: test-deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DQUADRIVANT_TESTS=ON -DQUADRIVANT_SANITIZE=ON \
	  -DQUADRIVANT_WERROR=ON
	cmake --build $(TEST_DIR) --parallel $(JOBS)
	cd $(TEST_DIR) && ctest --output-on-failure --timeout 300

test-deps:
	@sh scripts/install-test-deps.sh

clean:
	rm -rf build
