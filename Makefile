# Thin front over CMake and the scripts; see README.md.
JOBS ?= $(shell nproc)
export JOBS
NATIVE := build/native
WIN64 := build/win64
RELEASE := build/native-release

.PHONY: test run bench screenshot bootstrap native windows clean

test: bootstrap native windows
	scripts/run-tests $(NATIVE) $(WIN64) $(JOBS)

bootstrap:
	scripts/bootstrap

native:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYF_SANITIZE=ON >/dev/null
	cmake --build $(NATIVE) -j$(JOBS)

windows:
	cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(WIN64) -j$(JOBS)

run: bootstrap windows
	scripts/run-program $(WIN64)

screenshot: bootstrap windows
	scripts/screenshot $(WIN64) build/screenshot.png

bench: bootstrap windows
	scripts/bench $(RELEASE) $(WIN64)

clean:
	rm -rf build
