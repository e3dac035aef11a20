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

# Hardening: the tests again under AddressSanitizer and UndefinedBehaviorSanitizer, the libFuzzer
# targets (clang), and the static checks. See "Sanitizers, fuzzing and lint" in the README.
.PHONY: sanitize fuzz lint
JOBS ?= 2
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
SANITIZERS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
NO_BENCH = -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) $(CMAKE_FLAGS) $(NO_BENCH) \
	    -DCMAKE_CXX_FLAGS="$(SANITIZERS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZERS)" \
	    -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZERS)" >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)
	@cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:fast_unwind_on_malloc=0 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j$(JOBS)

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) $(CMAKE_FLAGS) $(NO_BENCH) -DFUZZING=ON \
	    -DCMAKE_CXX_COMPILER=clang++-14 \
	    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
	    >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target fuzzers
	@tests/fuzz/run-fuzzers $(FUZZ_DIR) $(FUZZ_SECONDS)

lint: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
	@cmake --build $(BUILD_DIR) -j$(JOBS)
	@./scripts/lint $(BUILD_DIR) $(JOBS)
