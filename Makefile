# Set-up commands for a fresh Debian 12 machine:
#   make run   installs what is missing, builds and starts the analyser
#   make test  installs what is missing, builds with the sanitizers and runs every test
#   make package  builds the Debian package sylvarine_<version>_amd64.deb and checks it with lintian

PACKAGES := build-essential cmake pkg-config qt6-base-dev qt6-svg-dev qt6-qpa-plugins \
  qt6-translations-l10n libasound2-dev libpulse-dev libsndfile1-dev libgtest-dev libgmock-dev libbenchmark-dev \
  fonts-liberation2 fonts-urw-base35 xvfb xauth xdotool imagemagick x11-utils pulseaudio pulseaudio-utils \
  libasound2-plugins alsa-utils sox poppler-utils shared-mime-info desktop-file-utils xdg-utils \
  jq man-db groff-base pipewire pipewire-bin wireplumber pipewire-pulse dbus-daemon \
  file lintian mmdebstrap

# The Windows build: the mingw-w64 cross compiler, Wine to run its tests, and the SVG
# renderer and ImageMagick that make the Win32 shells' bitmaps and icons from the SVG icons.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix mingw-w64-tools wine64 wine fonts-wine librsvg2-bin \
  imagemagick ghostscript

JOBS ?= $(shell nproc)
BUILD ?= build
RELEASE_BUILD ?= build-release
WINDOWS_BUILD ?= build-windows
EXAMPLE := analyser/resources/example.osc
VERSION := $(word 3,$(shell grep -m1 '^project' CMakeLists.txt))
DEB := $(RELEASE_BUILD)/sylvarine_$(VERSION)_$(shell dpkg --print-architecture).deb

.PHONY: deps windows-deps run test build release package windows bench clean pipewire-alsa-plugin

# Installs those of the packages named that are missing: $(call install_missing,PACKAGES)
define install_missing
	@missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  SUDO=; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

windows-deps:
	$(call install_missing,$(WINDOWS_PACKAGES))

release: deps
	cmake -S . -B $(RELEASE_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_BUILD) -j$(JOBS)

run: release
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display: rendering the example snapshot's displays to PNG files instead."; \
	  bash tools/render_example.sh $(RELEASE_BUILD)/bin/osctool $(EXAMPLE) $(RELEASE_BUILD)/example; \
	else \
	  $(RELEASE_BUILD)/bin/sylvarine $(EXAMPLE); \
	fi

# The package: cpack over the release build (packaging/Packaging.cmake), then lintian.
package: release
	cd $(RELEASE_BUILD) && cpack -G DEB
	lintian --fail-on error $(DEB)
	@echo "Built $(DEB)"

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Debug -DSYLVARINE_SANITIZE=ON
	cmake --build $(BUILD) -j$(JOBS)

# PipeWire's own ALSA plugin, unpacked beside the build: installing pipewire-alsa would
# remove PulseAudio, and the tests use both servers.
PIPEWIRE_ALSA := $(BUILD)/pipewire-alsa
pipewire-alsa-plugin: deps
	@if [ ! -d $(PIPEWIRE_ALSA)/usr ]; then \
	  mkdir -p $(PIPEWIRE_ALSA) && cd $(PIPEWIRE_ALSA) && \
	  { apt-get download pipewire-alsa 2>/dev/null || \
	    { SUDO=; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; $$SUDO apt-get update -qq && apt-get download pipewire-alsa; }; } && \
	  dpkg-deb -x pipewire-alsa_*.deb . && rm -f pipewire-alsa_*.deb; \
	fi

# The cores, platform/windows and their tests for 64-bit Windows (static runtime).
windows: windows-deps
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_BUILD_TYPE=Debug --toolchain cmake/mingw-w64-x86_64.cmake \
	  -DSYLVARINE_LINUX_BIN=$(abspath $(BUILD))/bin
	cmake --build $(WINDOWS_BUILD) -j$(JOBS)

test: build pipewire-alsa-plugin windows
	cd $(BUILD) && ASAN_OPTIONS=detect_leaks=0:abort_on_error=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS) --timeout 600
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j$(JOBS) --timeout 600

bench: release
	$(RELEASE_BUILD)/bin/sylvarine_bench

clean:
	rm -rf $(BUILD) $(RELEASE_BUILD) $(WINDOWS_BUILD)
