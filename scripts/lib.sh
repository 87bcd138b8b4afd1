# Shared by the scripts: install the Debian packages that are missing.
# Usage: need_packages pkg...   (apt-get update runs once, only when needed)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

need_packages() {
  local missing=()
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# What building the program and its tests needs.
BUILD_PACKAGES=(g++ cmake make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
  fonts-liberation2 locales libqt6test6 qt6-qpa-plugins desktop-file-utils appstream)

# What the screen-reader test needs on top: a private X server, a session
# bus with the accessibility bus on it, the AT-SPI client library for
# Python, and xdotool to type.
SCREEN_READER_PACKAGES=(xvfb dbus at-spi2-core python3-pyatspi xdotool)

# What the benchmarks need on top: Google Benchmark, and a private X server
# with a session bus for the start-up benchmark.
BENCH_PACKAGES=(libbenchmark-dev libxcb1-dev xvfb dbus)

# A German locale, whose decimal point is ",", for the locale tests.
make_german_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: could not make de_DE.UTF-8"
  fi
}
