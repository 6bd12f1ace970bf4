# The two commands: `make run` and `make test`. Both set up a fresh Debian 12
# machine first (missing packages, configure, incremental build).
BUILD_DIR ?= build

.PHONY: run test build deps figures

deps:
	@scripts/install-deps

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

run: build
	@scripts/run-velt $(BUILD_DIR)/src/velt

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure

# Draws the figures and the window icons again into src/bank after a change
# to their generator in tools/figures.
figures: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target figures
