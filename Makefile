# The two set-up commands of README.md. Both install what is missing first.
RELEASE_DIR := build/release
TEST_DIR    := build/test
DEMO_HOME   := $(RELEASE_DIR)/demo
JOBS        := 2
GENERATOR   := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")

.PHONY: run test deps release testbuild clean

deps:
	bash scripts/install-deps.sh

release: deps
	cmake -S . -B $(RELEASE_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j$(JOBS)

run: release
	bash scripts/run-demo.sh $(RELEASE_DIR) $(DEMO_HOME)

testbuild: deps
	cmake -S . -B $(TEST_DIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DTALVERO_TESTS=ON -DTALVERO_SANITIZE=ON -DTALVERO_BENCH=OFF
	cmake --build $(TEST_DIR) -j$(JOBS)

test: testbuild
	cd $(TEST_DIR) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf build
