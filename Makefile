# One-word entries: make run, make test, make bench, make format,
# make install, make package, make fuzz, make coverage, make valgrind,
# make web, make test-web.
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
PACKAGE_BUILD ?= build-package
PREFIX ?= /usr/local
FUZZ_BUILD ?= build-fuzz
COVERAGE_BUILD ?= build-coverage
VALGRIND_BUILD ?= build-valgrind
# Extra options for the configuration of the build and of the sanitizer build
# (CI: CMAKE_OPTIONS=-DPELANTOR_REQUIRE_ALL=ON).
CMAKE_OPTIONS ?=
# Length of a fuzz campaign in seconds, of the brief run of each of the other
# targets, and extra libFuzzer flags (e.g. FUZZ_FLAGS=-runs=100000).
FUZZ_TIME ?= 600
FUZZ_BRIEF_TIME ?= 30
FUZZ_FLAGS ?=

.PHONY: all run build test test-plain test-asan bench format install package clean fuzz coverage \
	valgrind

all: build

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_OPTIONS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/pelantor

test: test-plain test-asan

test-plain: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

test-asan:
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPELANTOR_SANITIZE=ON $(CMAKE_OPTIONS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure

bench:
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DPELANTOR_TESTS=OFF -DPELANTOR_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	./$(BENCH_BUILD)/bench/pelantorbench
	sh bench/setlistprocess.sh $(BENCH_BUILD)/pelantor
	sh bench/cli.sh $(BENCH_BUILD)/pelantor

# A fuzz campaign on both cores (clang, libFuzzer, ASan + UBSan): one
# fuzzing process per core, each for FUZZ_TIME seconds.  The seeds are the
# transcript scripts and the regression inputs; new inputs gather in
# $(FUZZ_BUILD)/corpus, findings (crash, sanitizer report, a run over 1 s,
# memory blow-up) in $(FUZZ_BUILD)/artifacts, each process's log in
# $(FUZZ_BUILD)/fuzz-N.log.  Then a brief run of FUZZ_BRIEF_TIME seconds of
# each reader of sets and of a one-shot command over fuzzed standard input
# (seeds in fuzz/command-seeds), their inputs in $(FUZZ_BUILD)/corpus-NAME,
# their logs fuzz-NAME.log.
FUZZ_BRIEF_TARGETS = pitch_classes notes midi bits labels command
fuzz:
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DPELANTOR_FUZZ=ON -DPELANTOR_TESTS=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	rm -rf $(FUZZ_BUILD)/seeds $(FUZZ_BUILD)/fuzz-*.log
	mkdir -p $(FUZZ_BUILD)/seeds $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/artifacts
	cp tests/transcripts/*.in $(FUZZ_BUILD)/seeds/
	find fuzz/regressions -type f ! -name '*.md' -exec cp {} $(FUZZ_BUILD)/seeds/ \;
	cd $(FUZZ_BUILD) && ./fuzz/dialoguefuzz -jobs=$(JOBS) -workers=$(JOBS) -timeout=1 \
	  -max_len=1024 -max_total_time=$(FUZZ_TIME) -dict=$(abspath fuzz/dialogue.dict) \
	  -artifact_prefix=$(abspath $(FUZZ_BUILD)/artifacts)/ $(FUZZ_FLAGS) corpus seeds
	for target in $(FUZZ_BRIEF_TARGETS); do mkdir -p $(FUZZ_BUILD)/corpus-$$target; \
	  ./$(FUZZ_BUILD)/fuzz/$${target}fuzz -timeout=1 -max_len=1024 -close_fd_mask=2 \
	  -max_total_time=$(FUZZ_BRIEF_TIME) -dict=fuzz/sets.dict \
	  -artifact_prefix=$(abspath $(FUZZ_BUILD)/artifacts)/$$target- $(FUZZ_FLAGS) \
	  $(FUZZ_BUILD)/corpus-$$target $$(test $$target = command && echo fuzz/command-seeds) \
	  > $(FUZZ_BUILD)/fuzz-$$target.log 2>&1 || true; done
	@for log in $(FUZZ_BUILD)/fuzz-*.log; do echo "$$log:"; grep -E '^#[0-9]+' $$log | tail -n 1; \
	  grep -E 'ERROR|WARNING|timeout|Test unit written' $$log || true; done
	@test -z "$$(ls -A $(FUZZ_BUILD)/artifacts)" || { echo "findings in $(FUZZ_BUILD)/artifacts"; exit 1; }

# Line coverage of the program's code by the whole test suite (gcov build,
# gcovr report; HTML in $(COVERAGE_BUILD)/coverage.html).
coverage:
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage
	cmake --build $(COVERAGE_BUILD) -j $(JOBS)
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	ctest --test-dir $(COVERAGE_BUILD) -j $(JOBS) --output-on-failure
	gcovr -r . --object-directory $(COVERAGE_BUILD) --exclude-directories '.*/CMakeFiles/[0-9.]+' \
	  --filter '(app|engine|reports|pictures|console|features|help)/' \
	  --txt - --html-details $(COVERAGE_BUILD)/coverage.html --print-summary

# The transcript tests with every run of the program under valgrind's
# memcheck: any memory error or leak fails the test.
valgrind:
	cmake -S . -B $(VALGRIND_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELANTOR_VALGRIND=ON
	cmake --build $(VALGRIND_BUILD) -j $(JOBS)
	ctest --test-dir $(VALGRIND_BUILD) -j $(JOBS) --output-on-failure -R '^transcript\.'

# The binary and the manual page under $(PREFIX).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

# A Debian package, built without the tests, in $(PACKAGE_BUILD)/ (its
# folders take their modes from the umask).  The test "package" checks the
# package of a test build with lintian.
package:
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DPELANTOR_TESTS=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && umask 022 && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD) $(COVERAGE_BUILD) \
	  $(VALGRIND_BUILD)

# The Python module (docs/python.md), built for and tested with Debian's
# interpreter, which has python3-numpy and python3-pytest: make python
# lays the package out in $(PYTHON_BUILD)/python; make test-python runs the
# pytest suite on it, make test-pip installs the package with pip into a
# scratch virtual environment, make bench-python times it.
PYTHON ?= /usr/bin/python3
PYTHON_BUILD ?= build-python
PYTHON_RUN = PYTHONPATH=$(abspath $(PYTHON_BUILD))/python PYTHONDONTWRITEBYTECODE=1 $(PYTHON)

.PHONY: python test-python test-pip bench-python clean-python

python:
	cmake -S . -B $(PYTHON_BUILD) -DCMAKE_BUILD_TYPE=Release -DPELANTOR_TESTS=OFF \
	  -DPELANTOR_PYTHON=ON -DPython3_EXECUTABLE=$(PYTHON)
	cmake --build $(PYTHON_BUILD) -j $(JOBS) --target pelantor_python

test-python: python
	$(PYTHON_RUN) -m pytest -q -p no:cacheprovider tests/python

test-pip:
	sh tests/python/pip_install_test.sh $(PYTHON)

bench-python: python
	$(PYTHON_RUN) bench/python_bench.py

clean: clean-python
clean-python:
	rm -rf $(PYTHON_BUILD) build-pip

# The web page (docs/web.md): make web compiles the engine, the texts and
# the pictures to WebAssembly with Emscripten and lays the static site out
# in $(WEB_BUILD)/site; make test-web drives that page in headless Chromium
# with Selenium (Debian's python3-selenium, hence $(PYTHON)) and compares it
# with the program of $(BUILD).  Emscripten's JavaScript optimiser needs
# Debian's node-acorn, from /usr/share/nodejs.
WEB_BUILD ?= build-web

.PHONY: web test-web clean-web

web:
	mkdir -p $(WEB_BUILD)
	export NODE_PATH=/usr/share/nodejs$${NODE_PATH:+:$$NODE_PATH} && \
	  EM_CACHE="$$(sh web/emcache.sh $(WEB_BUILD))" && export EM_CACHE && \
	  emcmake cmake -S . -B $(WEB_BUILD) -DCMAKE_BUILD_TYPE=Release && \
	  cmake --build $(WEB_BUILD) -j $(JOBS)

test-web: web build
	$(PYTHON) tests/web/web_test.py $(WEB_BUILD)/site $(BUILD)/pelantor $(WEB_BUILD)/screenshots

clean: clean-web
clean-web:
	rm -rf $(WEB_BUILD)
