# Shared by the scripts: the packages each purpose needs and their
# installation. The builds are configured by CMakePresets.json; presets are
# read from the working directory, so the scripts work from the root.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT"

# Building and running the program (scripts/run).
PAKETE_PROGRAMM=(g++ cmake ninja-build pkg-config tzdata
                 qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
                 fonts-dejavu-core)
# The tests and benchmarks: GoogleTest, Google Benchmark, clang-format for
# the formatting check and git for the files it checks; an X server, a
# D-Bus session with the accessibility bus, a fixed clock, keys from
# outside and the AT-SPI client for what a screen reader sees.
PAKETE_TEST=(libgtest-dev libgmock-dev libbenchmark-dev clang-format git
             xvfb xauth dbus at-spi2-core python3-pyatspi faketime xdotool)
# The package checks: the desktop-file and AppStream validators, what
# dpkg-buildpackage needs besides the build dependencies (debhelper,
# build-essential), lintian, man for the manual pages, and diffoscope to
# show how two builds differ.
PAKETE_PAKET=(desktop-file-utils appstream dpkg-dev build-essential debhelper file lintian man-db
              diffoscope-minimal)
# The window test on Wayland: a weston compositor nested in Xvfb, and Qt's
# Wayland plugin.
PAKETE_WAYLAND=(weston qt6-wayland)
# Listening with a screen reader (tests/zugang/orca-hoeren in scripts/test):
# Orca, the speech server it talks to, openbox to activate the window.
PAKETE_ORCA=(orca speech-dispatcher openbox)
# The dark-desktop check (tests/farben/dunkel-pruefen in scripts/test): Qt's
# qt6ct theme with its colour schemes, ImageMagick's import for the
# screenshots, openbox to activate the windows.
PAKETE_FARBEN=(qt6ct imagemagick openbox)
# The window tests run on X11: each on its own Xvfb server (xvfb-run needs
# xauth) under openbox; xclip plays another program that owns the clipboard.
PAKETE_FENSTERTEST=(xvfb xauth openbox xclip)
# The fuzzer of the core: clang with libFuzzer and the sanitizer runtimes,
# GoogleTest for the self-test of its checks.
PAKETE_FUZZ=(clang libclang-rt-14-dev libgtest-dev libgmock-dev)

# Installs the Debian packages named that are not installed yet.
pakete_sicherstellen() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "dorvane: this script needs a Debian or Ubuntu system (dpkg/apt-get not found)." >&2
    exit 1
  fi
  local fehlend=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
  done
  [ ${#fehlend[@]} -eq 0 ] && return 0

  local als=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      als=(sudo)
    else
      echo "dorvane: missing packages (${fehlend[*]}); run as root or install sudo, or: apt-get install ${fehlend[*]}" >&2
      exit 1
    fi
  fi
  echo "dorvane: installing ${fehlend[*]}"
  "${als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${als[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${fehlend[@]}"
}
