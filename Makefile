# Two commands do everything on a fresh Debian 12 machine: `make run` and `make test`.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
WERROR     := $(if $(CI),ON,OFF)
JOBS       ?= $(shell nproc)

.PHONY: all deps configure build run run-tollmere test bench contact-sheet clean

all: build

deps:
	@scripts/deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTW_WERROR=$(WERROR)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/quenby/quenby

run-tollmere: build
	$(BUILD)/tollmere/tollmere

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

contact-sheet: build
	$(BUILD)/tools/artgen --contact-sheet $(BUILD)/contact-sheet.png
	@echo "Contact sheet: $(BUILD)/contact-sheet.png"

# The distribution folder: setup, its libraries and SetUp.INF beside quenby's files.
.PHONY: dist
dist: configure
	cmake --build $(BUILD) --target dist -j $(JOBS)
	@echo "Distribution folder: $(BUILD)/dist (install quenby by running ./setup inside it)"

# The Debian package of quenby and tollmere, at build/deb; deb-check builds it
# and checks its contents, lintian, its metadata and a start from it.
.PHONY: deb deb-check
deb: build
	rm -rf $(BUILD)/deb
	cd $(BUILD) && cpack -G DEB -B deb
	@echo "Package: $$(ls $(BUILD)/deb/*.deb)"

deb-check: deb
	bash tests/packaging/deb_check.sh $(BUILD)/deb/*.deb

clean:
	rm -rf $(BUILD)

# Fuzzing, apart from `make test`: every reader under libFuzzer in its own
# clang build, FUZZ_SECONDS (default 60) each.
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz:
	@scripts/deps.sh fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_FUZZ=ON
	ASAN_OPTIONS=detect_leaks=0 cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz.sh $(FUZZ_BUILD)

# The unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer
# (part of `make test`). The end-to-end tests and the faked clock preload
# libraries the sanitizer runtime must precede, and the crash test of the
# writers (200 starts of a program) is slow there, so they run in $(BUILD) only.
ASAN_BUILD ?= build-asan
.PHONY: test-asan
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g1" -DTW_SANITIZE=ON
	cmake --build $(ASAN_BUILD) --target unit_tests -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	  ctest --output-on-failure -j $(JOBS) -LE e2e -E '^(platform_faked_clock|writers_crash_test)$$'
