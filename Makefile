# Set-up commands: `make run` and `make test` install what is missing, build and go.
BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
JOBS           ?= $(shell nproc)

.PHONY: deps build build-asan run test clean format

deps:
	bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFOOTBALL_SANITIZE=ON
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/football

# The whole suite: every test on the normal build, then the unit, pixel and
# tool tests again on the address and undefined-behaviour sanitizer build.
test: build build-asan
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD_DIR) --output-on-failure -j $(JOBS) -LE e2e

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
