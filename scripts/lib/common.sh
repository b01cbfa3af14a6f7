# Shared by the scripts: where the project lives, and installing what it builds with.
set -euo pipefail

PROJECT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Debian 12 packages the build, the tests, the benchmarks and the desktop program need.
PROJECT_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev libcli11-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev libgl1-mesa-dev fonts-dejavu-core
  clang libclang-rt-14-dev
  xvfb xauth time
)

install_packages() {
  local missing=()
  local pkg
  for pkg in "${PROJECT_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}" >&2
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

# Configures (once) and builds one preset.
build_preset() {
  local preset=$1
  cd "$PROJECT_ROOT"
  cmake --preset "$preset" >&2
  cmake --build --preset "$preset" >&2
}
