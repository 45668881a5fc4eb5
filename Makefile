# The two commands of the project: `make play` and `make test`; `make windows` packs the game
# for Windows, `make windows-test` plays and tests that under Wine.
BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
CMAKE_FLAGS ?=
JOBS ?= 2
GAME := $(BUILD_DIR)/app/dushihuolang

.PHONY: play test deps build clean windows windows-test

play: build
	$(GAME)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps:
	@bash tools/install-deps.sh

windows:
	JOBS=$(JOBS) CMAKE_FLAGS="$(CMAKE_FLAGS)" bash tools/windows/build.sh $(BUILD_DIR) $(WINDOWS_BUILD_DIR)

windows-test: windows
	JOBS=$(JOBS) bash tools/windows/test.sh $(WINDOWS_BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR) $(WINDOWS_BUILD_DIR)
