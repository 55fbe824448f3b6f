# Commands for a fresh Debian machine:
#   make run   - install what is missing, build, start the configurator
#   make test  - install what is missing, build, run every test
#   make bench - install what is missing, build, run every benchmark
# (make asan builds and runs the tests under the sanitizers in build-asan;
#  make fuzz builds the fuzzing harnesses with clang in build-fuzz and runs
#  each for FUZZ_SECONDS seconds.)

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_MAX_LEN ?= 8192
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := qt6-base-dev libpugixml-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev \
            libbenchmark-dev cmake ninja-build ccache g++ fonts-dejavu-core libxml2-utils \
            xvfb openbox xdotool

FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_HARNESSES := xml_dom settings language pargen ethercat_files image_compiler http_answer icmp_reply \
                  filter_expression grid_text text_codecs numbers addresses gif_blocks html_text html_draw dropdown_input column_files \
                  dropdown_kinds_input rtf_text

.PHONY: run test bench asan fuzz deps fuzz-deps configure build

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: run it under a virtual display with 'xvfb-run make run' (package xvfb)."; \
	  exit 1; \
	fi
	cd $(BUILD)/bin && ./configurator

# Every test case is a ctest entry of its own; the skipped ones are listed at
# the end with their reasons.
test: build
	@cd $(BUILD) && { QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS); rc=$$?; \
	  sh $(CURDIR)/cmake/report_skipped.sh .; exit $$rc; }

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done

asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVYN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# Every harness under libFuzzer with the address and undefined-behaviour
# sanitizers, FUZZ_SECONDS each, starting from its seed corpus (new inputs
# are kept in $(FUZZ_BUILD)/corpus); a finding is saved in
# $(FUZZ_BUILD)/findings and fails the target after all have run.
fuzz: deps fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DVYN_FUZZ=ON \
	  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_harnesses
	@mkdir -p $(FUZZ_BUILD)/findings; failed=""; \
	for h in $(FUZZ_HARNESSES); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$h; \
	  echo "== fuzz_$$h for $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/fuzz/fuzz_$$h -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) \
	    -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/findings/$$h- \
	    $(FUZZ_BUILD)/corpus/$$h tests/fuzz/corpus/$$h > $(FUZZ_BUILD)/fuzz_$$h.log 2>&1 \
	    || failed="$$failed $$h"; \
	  tail -n 12 $(FUZZ_BUILD)/fuzz_$$h.log | grep -E "stat::number_of_executed_units|Done|ERROR|SUMMARY" || true; \
	done; \
	if [ -n "$$failed" ]; then echo "Findings in:$$failed (see $(FUZZ_BUILD)/findings and the logs)"; exit 1; fi; \
	echo "No findings."

fuzz-deps:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FUZZ_PACKAGES)"

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@if [ ! -f $(BUILD)/build.ninja ]; then cmake -S . -B $(BUILD) -G Ninja; fi

# Installs the Debian packages that are not installed yet (apt-get update once, only when needed).
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing </dev/null >/dev/null 2>&1 || \
	  { $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -q </dev/null && \
	    $$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing </dev/null; }; \
	fi
