# Thin front over CMake and the scripts; see README.md.
JOBS ?= $(shell nproc)
export JOBS
NATIVE := build/native
WIN64 := build/win64
RELEASE := build/native-release
FUZZ := build/fuzz
FUZZ_SECONDS ?= 60

.PHONY: test run bench screenshot bootstrap native windows fuzz fuzz-targets clean

test: bootstrap native windows fuzz-targets
	scripts/run-tests $(NATIVE) $(WIN64) $(JOBS)
	scripts/run-fuzz $(FUZZ) 3

bootstrap:
	scripts/bootstrap

native:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYF_SANITIZE=ON >/dev/null
	cmake --build $(NATIVE) -j$(JOBS)

windows:
	cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	cmake --build $(WIN64) -j$(JOBS)

fuzz-targets:
	cmake -S . -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYF_FUZZ=ON -DZYF_TESTS=OFF >/dev/null
	cmake --build $(FUZZ) -j$(JOBS) --target fuzz_targets

fuzz: bootstrap fuzz-targets
	scripts/run-fuzz $(FUZZ) $(FUZZ_SECONDS)

run: bootstrap windows
	scripts/run-program $(WIN64)

screenshot: bootstrap windows
	scripts/screenshot $(WIN64) build/screenshot.png

bench: bootstrap windows
	scripts/bench $(RELEASE) $(WIN64)

clean:
	rm -rf build
