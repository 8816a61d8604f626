# Two entry points for people: `make run` and `make test`. Both install what is
# missing, configure and build; nothing else is needed on a fresh Debian 12.
BUILD   ?= build
TYPE    ?= RelWithDebInfo
FILE    ?=
JOBS    ?= $(shell nproc)
# `make fuzz`: how long each fuzz target runs, and how many run at once.
FUZZ_SECONDS ?= 60
FUZZ_JOBS    ?= $(shell echo $$(( $$(nproc) / 2 > 0 ? $$(nproc) / 2 : 1 )))
FUZZ_TARGETS ?=

.PHONY: all deps test-deps configure build program fuzz-build fuzz run test check-exports translations bench bench-deps clean

all: build

deps:
	@bash scripts/deps.sh

test-deps:
	@bash scripts/deps.sh --test

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(TYPE)

configure: deps $(BUILD)/build.ninja

# What `cmake --install` installs (the editor and bw-export), without the tests and benchmarks.
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target brindlewick bw-export

# Everything. Configuring again (a fraction of a second) lets a build first made by
# `make run` find the test libraries `make test` has just installed.
build: test-deps configure
	@cmake -S . -B $(BUILD) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: program
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display found: starting under xvfb-run."; \
	  xvfb-run -a $(BUILD)/brindlewick $(FILE); \
	else \
	  $(BUILD)/brindlewick $(FILE); \
	fi

# The fuzz targets are a clang build of their own (in $(BUILD)/fuzz), skipped without clang;
# `make test` runs each over its seed corpus once.
fuzz-build: test-deps configure
	@bash scripts/fuzz.sh build $(BUILD) $(JOBS)

fuzz: fuzz-build
	bash scripts/fuzz.sh run $(BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS) "$(FUZZ_TARGETS)"

test: build fuzz-build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# Exported PDF, Word, OpenDocument, Rich Text and HTML read back by poppler, LibreOffice and
# the web engine (also part of `make test`).
check-exports: build
	bash scripts/check-exports.sh $(BUILD)/bw-export

# Brings translations/*.ts up to date with the texts in the sources (new texts arrive
# unfinished; `make test` fails until they are translated).
LUPDATE ?= $(shell command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
translations: deps
	$(LUPDATE) -silent -locations none -no-obsolete -I src src -ts translations/brindlewick_*.ts

# The reference renderers the Markdown benchmark compares against; the product never links them.
bench-deps:
	@bash scripts/deps.sh libmd4c-dev libmd4c-html0-dev libcmark-gfm-dev libcmark-gfm-extensions-dev

# The 100 MB cases (document size, opening, autosave, Replace All of many matches) take
# minutes and several GB: they run only with BW_BENCH_HUGE=1 (`BW_BENCH_HUGE=1 make bench`).
bench: bench-deps build
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/bw_bench

clean:
	rm -rf $(BUILD)
