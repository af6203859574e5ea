# Set-up commands: `make run` and `make test` install what is missing, build and go
# (`./run` and `./test` do the same where make itself is still missing).
BUILD_DIR         ?= build
ASAN_BUILD_DIR    ?= build-asan
WINDOWS_BUILD_DIR ?= build-windows
WEB_BUILD_DIR     ?= build-web
WEB_PORT          ?= 8016
JOBS              ?= $(shell nproc)

.PHONY: deps configure build build-asan windows web web-serve run package package-windows test clean format

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFOOTBALL_SANITIZE=ON
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)

# The Windows programs, cross-built with mingw-w64: $(WINDOWS_BUILD_DIR)/football.exe,
# the screen saver football.scr, tools/football-trace.exe, and their installer
# football-VERSION-setup.exe (NSIS). Its tests compare the trace
# with the Linux build's football-trace, so they need `make build` too.
windows: deps
	cmake -S . -B $(WINDOWS_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw-w64-x86_64.cmake \
	    -DFOOTBALL_NATIVE_TRACE=$(abspath $(BUILD_DIR))/tools/football-trace
	cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS)

# The web site in $(WEB_BUILD_DIR)/site, only what is served (index.html and its
# script, football.js and football.wasm, the icons, the manifest, the service
# worker): copy the folder to any static host. Emscripten's CMake set-up is in
# $(WEB_BUILD_DIR)/cmake. Debian's emcc finds Debian's acorn through NODE_PATH
# when the machine's node is another one.
WEB_ENV = NODE_PATH=/usr/share/nodejs
web: deps
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD_DIR)/cmake -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DFOOTBALL_WEB_SITE_DIR=$(abspath $(WEB_BUILD_DIR))/site
	$(WEB_ENV) cmake --build $(WEB_BUILD_DIR)/cmake -j $(JOBS) --target football-site

# The site on this machine only; Ctrl+C stops the server.
web-serve: web
	@echo "The match in the browser: http://127.0.0.1:$(WEB_PORT)/  (Ctrl+C stops the server)"
	python3 -m http.server --bind 127.0.0.1 --directory $(WEB_BUILD_DIR)/site $(WEB_PORT)

# With a display, the match in its window. Without one (neither DISPLAY nor
# WAYLAND_DISPLAY), a 20-second clip of it (600 frames, 33 ms each) made
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
	    echo "recording a 20-second clip of the match (600 frames, 33 ms each) instead." && \
	    ./$(BUILD_DIR)/tools/football-record 600 --clip $(CLIP) --size $(CLIP_SIZE) && \
	    echo "Clip written: $(abspath $(CLIP))"; \
	fi

# The Debian package, from the same installation as `cmake --install`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The Windows zip (the programs, the screen saver, the README and how to start)
# beside the installer that `make windows` has made.
package-windows: windows
	cd $(WINDOWS_BUILD_DIR) && cpack -G ZIP

# The whole suite: every test on the normal build, then the unit, pixel and
# tool tests again on the address and undefined-behaviour sanitizer build,
# then the Windows build's tests under Wine (one at a time, in one prefix). The
# web page's test (label web) runs in the first, on the site `make web` makes.
test: build build-asan windows web
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD_DIR) --output-on-failure -j $(JOBS) -LE e2e
	ctest --test-dir $(WINDOWS_BUILD_DIR) --output-on-failure -j $(JOBS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(WINDOWS_BUILD_DIR) $(WEB_BUILD_DIR)
