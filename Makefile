# Thin wrapper around CMake; every target first installs missing Debian packages.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	@$(BUILD_DIR)/bench/wage_bench

clean:
	@rm -rf $(BUILD_DIR)

# A Debian package of the installed program (cista-mzda_<version>_<arch>.deb in the build folder).
.PHONY: package
package: build
	@cmake --build $(BUILD_DIR) --target package
