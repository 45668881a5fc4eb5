# The two commands of the project: `make play` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= 2
GAME := $(BUILD_DIR)/app/dushihuolang

.PHONY: play test deps build clean

play: build
	$(GAME)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps:
	@bash tools/install-deps.sh

clean:
	rm -rf $(BUILD_DIR)
