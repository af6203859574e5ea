# Set-up commands: `make run` and `make test` install what is missing, build and go
# (`./run` and `./test` do the same where make itself is still missing).
BUILD_DIR      ?= build
ASAN_BUILD_DIR ?= build-asan
JOBS           ?= $(shell nproc)

.PHONY: deps configure build build-asan run package test clean format

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOOTBALL_SANITIZE=ON
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)

# With a display, the match in its window. Without one (neither DISPLAY nor
# WAYLAND_DISPLAY), a 20-second clip of it (600 frames at 30 per second) made
# by the recorder instead. Only the program that runs is built.
CLIP      ?= football.webp
CLIP_SIZE ?= 640x480

run: configure
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	    cmake --build $(BUILD_DIR) -j $(JOBS) --target football && \
	    ./$(BUILD_DIR)/football; \
	else \
	    cmake --build $(BUILD_DIR) -j $(JOBS) --target football-record && \
	    echo "There is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so no window:" && \
	    echo "recording a 20-second clip of the match (600 frames, 30 per second) instead." && \
	    ./$(BUILD_DIR)/tools/football-record 600 --clip $(CLIP) --size $(CLIP_SIZE) && \
	    echo "Clip written: $(abspath $(CLIP))"; \
	fi

# The Debian package, from the same installation as `cmake --install`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The whole suite: every test on the normal build, then the unit, pixel and
# tool tests again on the address and undefined-behaviour sanitizer build.
test: build build-asan
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD_DIR) --output-on-failure -j $(JOBS) -LE e2e

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
