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
