# Entry point of the project. Every target first installs what it needs
# (tools/bootstrap.sh, idempotent), so each works on a fresh Debian 12 machine.
#   make demo   build, assemble the sample distribution and run it under Wine
#   make test   build both targets and pass the tests
#   make dist   build/x86/dist (the product) and build/x64/dist (what runs here)
#   make screenshots  every wizard phase in English and Traditional Chinese, as PNG in build/screenshots
#   make preview  the artwork to look at: build/x64/art/preview.png (the skin
#                 with the faces at their places) and screenshot.png (the real
#                 controls with their texts, shown under Wine)

JOBS ?= 2
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=Release

.PHONY: all bootstrap build dist test demo screenshots preview clean

all: dist

bootstrap:
	@bash tools/bootstrap.sh

build/x86/CMakeCache.txt: | bootstrap
	cmake -S . -B build/x86 -DCMAKE_TOOLCHAIN_FILE=tools/toolchain-i686.cmake $(CMAKE_FLAGS)

build/x64/CMakeCache.txt: | bootstrap
	cmake -S . -B build/x64 -DCMAKE_TOOLCHAIN_FILE=tools/toolchain-x86_64.cmake $(CMAKE_FLAGS)

build: bootstrap build/x86/CMakeCache.txt build/x64/CMakeCache.txt
	cmake --build build/x86 -j $(JOBS)
	cmake --build build/x64 -j $(JOBS)

dist: build

test: build
	cd build/x64 && ctest --output-on-failure -j $(JOBS)

demo: build
	python3 tools/demo.py

screenshots: build
	python3 tools/screenshots.py

preview: build
	cmake --build build/x64 --target artwork_preview artwork_screenshot

clean:
	rm -rf build
