# Brisko: `make run` builds and starts the program under Wine; `make test` builds and runs every test.
# Both install what is missing from Debian's packages first (as root), or say what to install.

BUILD      := build
HOST_DIR   := $(BUILD)/host
ASAN_DIR   := $(BUILD)/asan
TSAN_DIR   := $(BUILD)/tsan
WIN_DIR    := $(BUILD)/win
DIST       := $(abspath $(BUILD)/dist)
RELEASE    := $(abspath $(BUILD)/release)
SCREENS    := $(abspath $(BUILD)/screens)
JOBS       ?= $(shell nproc)
PACKAGES   := cmake g++ googletest g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xvfb imagemagick \
              wixl msitools unzip
CTEST_ARGS ?=

.PHONY: all deps build dist run test test-native test-windows bench screenshots clean format mutants

all: build

deps:
	@missing=""; for p in $(PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then \
	    echo "Installing:$$missing"; \
	    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $$missing >/dev/null || exit 1; \
	  else \
	    echo "Brisko needs these Debian packages:$$missing"; \
	    echo "Install them with: sudo apt-get install$$missing"; exit 1; \
	  fi; \
	fi

$(HOST_DIR)/CMakeCache.txt:
	cmake -S . -B $(HOST_DIR) -DCMAKE_BUILD_TYPE=Debug

$(ASAN_DIR)/CMakeCache.txt:
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DBRISKO_SANITIZE=ON

$(TSAN_DIR)/CMakeCache.txt:
	cmake -S . -B $(TSAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DBRISKO_TSAN=ON

$(WIN_DIR)/CMakeCache.txt:
	cmake -S . -B $(WIN_DIR) -DCMAKE_TOOLCHAIN_FILE=$(abspath cmake/mingw-w64.cmake) \
	  -DCMAKE_BUILD_TYPE=Release -DBRISKO_DIST=$(DIST) -DBRISKO_RELEASE=$(RELEASE) \
	  -DBRISKO_SCREENS=$(SCREENS)

# The program's folder as a user copies it to Windows lands in build/dist/.
build: deps $(WIN_DIR)/CMakeCache.txt
	cmake --build $(WIN_DIR) -j$(JOBS)
	@echo "Brisko.exe and what ships beside it: $(DIST)"

# The release files: the zip and the MSI (made with every build), and the debug files of the
# stripped programs.
dist: build
	@echo "Release files: $(RELEASE)"; ls -1 $(RELEASE)

run: build
	@tools/run-brisko.sh "$(abspath $(BUILD))" "$(DIST)/Brisko.exe" "$(BUILD)/run.png"

test-native: deps $(HOST_DIR)/CMakeCache.txt $(ASAN_DIR)/CMakeCache.txt $(TSAN_DIR)/CMakeCache.txt
	cmake --build $(HOST_DIR) -j$(JOBS)
	cmake --build $(ASAN_DIR) -j$(JOBS) --target native_tests
	cmake --build $(TSAN_DIR) -j$(JOBS) --target native_tests
	cd $(HOST_DIR) && ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)
	cd $(ASAN_DIR) && ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)
	TSAN_OPTIONS=halt_on_error=1 $(TSAN_DIR)/native_tests --gtest_brief=1

test-windows: build
	mkdir -p $(SCREENS)
	cd $(WIN_DIR) && $(abspath tools/with-display.sh) ctest --output-on-failure -j$(JOBS) $(CTEST_ARGS)

test: test-native test-windows

# The benchmarks under Wine (not part of the tests); BENCH=<name> runs one of them.
bench: build
	$(abspath tools/with-display.sh) bench/run.sh $(WIN_DIR) $(BENCH)

# The README's pictures, from the end-to-end tests' screenshots (run `make test` first).
SHOTS := main main-programs main-about finder-done cookies extensions help-main
screenshots:
	@for s in $(SHOTS); do \
	  [ -f $(SCREENS)/$$s.png ] || { echo "No $(SCREENS)/$$s.png: run make test first"; exit 1; }; \
	done
	mkdir -p docs/screenshots
	cd docs/screenshots && rm -f *.png
	for s in $(SHOTS); do cp $(SCREENS)/$$s.png docs/screenshots/; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

# Faults put into the portable core one at a time, and which of them the native suite misses
# (not part of the tests); MUTANTS=300 SEED=1 tries a sample, MUTANT_PATHS="finder/" a part.
mutants: deps
	python3 tools/mutants/mutants.py
