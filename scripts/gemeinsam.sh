# Shared by scripts/run and scripts/test: package installation and the build.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# What building and running the program needs.
PAKETE_BAU=(g++ cmake ninja-build pkg-config tzdata
            qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
            fonts-dejavu-core)
# What the tests and benchmarks need besides: GoogleTest, Google Benchmark,
# the desktop-file and AppStream validators, dpkg-shlibdeps for the package,
# clang-format for the formatting check; an X server, a D-Bus session with
# the accessibility bus, a fixed clock, keys from outside and the AT-SPI
# client for what a screen reader sees.
PAKETE_TEST=(libgtest-dev libgmock-dev libbenchmark-dev
             desktop-file-utils appstream dpkg-dev file clang-format git
             xvfb xauth dbus at-spi2-core python3-pyatspi faketime xdotool)
# Listening with a screen reader (tests/zugang/orca-hoeren, run by hand).
PAKETE_ORCA=(orca speech-dispatcher openbox)
# The window tests run on X11: each on its own Xvfb server (xvfb-run needs
# xauth) under openbox; xclip plays another program that owns the clipboard.
PAKETE_FENSTERTEST=(xvfb xauth openbox xclip)
# The fuzzer of the core: clang with libFuzzer and the sanitizer runtimes.
PAKETE_FUZZ=(clang libclang-rt-14-dev)

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

# The main build in build/: the program, its tests and benchmarks.
HAUPTBAU=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANE_UI=ON -DDORVANE_BENCH=ON -DBUILD_TESTING=ON)

# konfigurieren DIR [cmake options...]: configure a build tree in DIR. Name
# every option that matters: a tree configured by hand keeps its cache.
konfigurieren() {
  local dir=$1; shift
  cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
}
