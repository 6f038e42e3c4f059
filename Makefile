# The two commands of the README: `make run` and `make test`. Both install what is missing
# (scripts/setup.sh), configure and build first.

BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)
FUZZ_RUNS ?= 1000000
CMAKE_FLAGS ?=
TK73_USER_MODE ?= 0
# The compiler cache files paths relative to the clone, so every clone shares its entries.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= 1
export CCACHE_MAXSIZE ?= 20G

.PHONY: all setup build build-asan run test test-normal test-asan bench format fuzz fuzz-ci \
    fuzz-coverage fuzz-seeds package ini-differential

all: build

setup:
	@bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

build-asan: setup
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTK73_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_DIR) -j $(JOBS)

run: build
	@TK73_USER_MODE=$(TK73_USER_MODE) bash scripts/run.sh $(BUILD_DIR) $(RUN_ARGS)

test-normal: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

test-asan: build-asan
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# Both configurations run even when the first fails; the command fails at the end, naming the
# configurations that failed.
test: setup
	@failed=""; \
	$(MAKE) --no-print-directory test-normal || failed="$$failed normal"; \
	$(MAKE) --no-print-directory test-asan || failed="$$failed sanitizer"; \
	if [ -n "$$failed" ]; then echo "make test: failures in the configurations:$$failed"; exit 1; fi

# The Debian package of the release build, in the build folder (packaging/README.md).
package: build
	cmake --build $(BUILD_DIR) --target package

bench: build
	cmake --build $(BUILD_DIR) --target bench_programfile bench_itemsearch bench_archive bench_integration bench_lan bench_dataeditor bench_sheet_preview
	$(BUILD_DIR)/bin/bench_programfile
	$(BUILD_DIR)/bin/bench_itemsearch
	$(BUILD_DIR)/bin/bench_archive
	$(BUILD_DIR)/bin/bench_integration
	$(BUILD_DIR)/bin/bench_lan
	$(BUILD_DIR)/bin/bench_dataeditor
	$(BUILD_DIR)/bin/bench_sheet_preview

# Every parser's fuzz target with libFuzzer and the sanitizers (clang), each for FUZZ_SECONDS or
# FUZZ_RUNS inputs, whichever ends first.
FUZZ_SECONDS ?= 1800
FUZZ_CONFIGURE = cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTK73_SANITIZE=ON -DTK73_FUZZ=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link $(CMAKE_FLAGS)
fuzz: setup
	$(FUZZ_CONFIGURE)
	cmake --build build-fuzz -j $(JOBS) --target fuzz
	bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS) $(FUZZ_RUNS)

# The short fuzz run of CI: only the targets whose libraries build in about a minute with clang
# on two cores, 20 seconds each. The LAN session target needs most of the suite built again with
# clang, which does not fit the CI budget; `make fuzz` runs it.
FUZZ_CI_TARGETS = registry_hive ini_profile csv_records clip_item program_file definition_items
FUZZ_CI_TARGETS += pack_text program_binary lan_task_lines
fuzz-ci: setup
	$(FUZZ_CONFIGURE)
	cmake --build build-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_CI_TARGETS))
	bash fuzz/run.sh build-fuzz 20 $(FUZZ_RUNS) $(FUZZ_CI_TARGETS)

# Clang's source-based coverage of every fuzz target over its seeds (fuzz/coverage.sh): the
# summaries in build-fuzz-coverage/fuzz-coverage/<name>/, and a failure when a target does not
# reach a function of its fuzz/<name>.reach list.
FUZZ_COVERAGE_FLAGS = -fprofile-instr-generate -fcoverage-mapping
fuzz-coverage: setup
	cmake -S . -B build-fuzz-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTK73_FUZZ=ON -DTK73_FUZZ_COVERAGE=ON "-DCMAKE_C_FLAGS=$(FUZZ_COVERAGE_FLAGS)" "-DCMAKE_CXX_FLAGS=$(FUZZ_COVERAGE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS=-fprofile-instr-generate -DCMAKE_SHARED_LINKER_FLAGS=-fprofile-instr-generate $(CMAKE_FLAGS)
	cmake --build build-fuzz-coverage -j $(JOBS) --target fuzz
	ctest --test-dir build-fuzz-coverage -L fuzz-reach -j $(JOBS) --output-on-failure; \
	status=$$?; cat build-fuzz-coverage/fuzz-coverage/*/summary.txt; exit $$status

# Writes the generated seeds into fuzz/corpus (fuzz/seeds/main.cpp), with the normal build.
fuzz-seeds: build
	$(BUILD_DIR)/bin/tk73fuzzseeds fuzz/corpus

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Records again the answers of the Windows profile functions (under Wine) that the INI
# differential test compares the suite's with, then compares them.
INI_DIFFERENTIAL = platform/tests/differential
ini-differential: build
	bash $(INI_DIFFERENTIAL)/record.sh $(INI_DIFFERENTIAL)/windows_answers.txt
	python3 $(INI_DIFFERENTIAL)/compare_answers.py $(BUILD_DIR)/bin/ini_profile_driver $(INI_DIFFERENTIAL)/windows_answers.txt
