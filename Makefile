# Thin wrapper around CMake; every target first installs missing Debian packages.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench screenshot clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

# The program reads its panel texts from its working directory.
run: build
	@cd texts && $(abspath $(BUILD_DIR))/app/cista-mzda

# The window after one calculation with the default inputs, rendered headless for the README.
screenshot: build
	@mkdir -p docs
	@cd texts && QT_QPA_PLATFORM=offscreen $(abspath $(BUILD_DIR))/app/cista-mzda-screenshot ../docs/screenshot.png

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: build
	@$(BUILD_DIR)/bench/wage_bench
	@$(BUILD_DIR)/bench/startup_bench

clean:
	@rm -rf $(BUILD_DIR)

# A Debian package of the installed program (cista-mzda_<version>_<arch>.deb in the build folder).
.PHONY: package
package: build
	@cmake --build $(BUILD_DIR) --target package
