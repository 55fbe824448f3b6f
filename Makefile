# Commands for a fresh Debian machine:
#   make run   - install what is missing, build, start the configurator
#   make test  - install what is missing, build, run every test
#   make bench - install what is missing, build, run every benchmark
# (make asan builds and runs the tests under the sanitizers in build-asan.)

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES := qt6-base-dev libpugixml-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev \
            libbenchmark-dev cmake ninja-build ccache g++ fonts-dejavu-core libxml2-utils \
            xvfb openbox

.PHONY: run test bench asan deps configure build

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
	  echo "No display found: run it under a virtual display with 'xvfb-run make run' (package xvfb)."; \
	  exit 1; \
	fi
	cd $(BUILD)/bin && ./configurator

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; "$$b" || exit 1; done

asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVYN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

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
