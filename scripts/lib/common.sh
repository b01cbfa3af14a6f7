# Shared by the scripts: where the project lives, and installing what it builds with.
set -euo pipefail

PROJECT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian 12 packages that building and running the two programs need. Each
# script installs these and what its own work needs besides, from the lists below.
BUILD_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libcli11-dev nlohmann-json3-dev nettle-dev
  qt6-base-dev qt6-svg-dev libgl1-mesa-dev
)
# The tests: GoogleTest, the fonts the headless window tests measure, and what
# the install test runs on the installed files, and python3 to read td4's CSV and JSON Lines.
TEST_PACKAGES=(
  libgtest-dev libgmock-dev fonts-dejavu-core
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl groff-base bash-completion file
  python3
)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# valgrind: callgrind counts the instructions of the pairs too short to time steadily.
BENCH_PACKAGES=(libbenchmark-dev time valgrind)
# dpkg-shlibdeps works out the package's dependencies; file lets it tell binaries.
PACKAGE_PACKAGES=(dpkg-dev file)

# Installs those of the packages given that are missing.
install_packages() {
  local missing=()
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Configures one preset, with any further cache settings given, and builds it.
# TTD_WARNINGS_AS_ERRORS=1 in the environment turns every warning into an error.
build_preset() {
  local preset=$1
  shift
  local settings=("$@")
  [ -z "${TTD_WARNINGS_AS_ERRORS:-}" ] || settings+=(-DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
  cd "$PROJECT_ROOT"
  cmake --preset "$preset" "${settings[@]}" >&2
  cmake --build --preset "$preset" >&2
}
