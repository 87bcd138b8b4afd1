# Shared by the scripts: install the Debian packages that are missing.
# Usage: need_packages pkg...   (apt-get update runs once, only when needed)
# Nothing is missing: no sudo, no apt-get. Something is missing: installed
# as root, or through sudo; with neither, the line to run as root is
# printed and the script ends with status 1:
#   need_packages xvfb   (as a user without sudo, xvfb missing)
#     -> "Run as root:" / "  apt-get install -y --no-install-recommends xvfb", exit 1

# True when commands can run as root, directly or through sudo.
can_be_root() {
  [ "$(id -u)" -eq 0 ] || command -v sudo >/dev/null 2>&1
}

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
  [ ${#missing[@]} -gt 0 ] || return 0
  if ! can_be_root; then
    echo "error: missing packages: ${missing[*]}, and neither root nor sudo to install them." >&2
    echo "Run as root:" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The configure option for warnings: errors under CI=true, else warnings
# (said each time, so a build folder configured for CI does not keep it).
#   CI=true werror_option   -> -DSPANWRIGHT_WERROR=ON
werror_option() {
  if [ "${CI:-}" = true ]; then echo -DSPANWRIGHT_WERROR=ON; else echo -DSPANWRIGHT_WERROR=OFF; fi
}

# What building the program and its tests needs; qt6-wayland is the
# platform plugin for Wayland desktops (qt6-qpa-plugins has X11's).
BUILD_PACKAGES=(g++ cmake make pkg-config python3 qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev libgmock-dev
  fonts-liberation2 locales libqt6test6 qt6-qpa-plugins qt6-wayland desktop-file-utils appstream)

# What the screen-reader test needs on top: a private X server, a session
# bus with the accessibility bus on it, the AT-SPI client library for
# Python, and xdotool to type.
SCREEN_READER_PACKAGES=(xvfb dbus at-spi2-core python3-pyatspi xdotool)

# What the Wayland test needs on top of those: a compositor with a
# headless backend and a screenshot client (both in weston).
WAYLAND_TEST_PACKAGES=(weston)

# What the print test needs on top: pdftotext, to read a printed PDF back.
PRINT_TEST_PACKAGES=(poppler-utils)

# What the benchmarks need on top: Google Benchmark, and a private X server
# with a session bus for the start-up benchmark.
BENCH_PACKAGES=(libbenchmark-dev libxcb1-dev xvfb dbus)

# A German locale, whose decimal point is ",", for the locale tests: made
# for the system as root, else privately in the folder $1 and found there
# through LOCPATH (exported for the tests).
#   make_german_locale build/locale
make_german_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  if [ "$(id -u)" -eq 0 ] && localedef -i de_DE -f UTF-8 de_DE.UTF-8; then return 0; fi
  mkdir -p "$1"
  if localedef --no-archive -i de_DE -f UTF-8 "$1/de_DE.UTF-8" 2>/dev/null || [ -d "$1/de_DE.UTF-8" ]; then
    LOCPATH=$(cd "$1" && pwd)
    export LOCPATH
  else
    echo "warning: could not make de_DE.UTF-8; the locale tests will fail" >&2
  fi
}
