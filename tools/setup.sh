#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only those missing,
# quietly), then configures and builds Kelca in build/ (or build-asan/ with
# --asan). parallel runs design studies (tools/study.sh); dpkg-dev (for
# dpkg-shlibdeps) and lintian make and check the Debian package.
# Sourced by run_sample.sh and run_tests.sh.
set -euo pipefail

KELCA_TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KELCA_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libgl-dev
                libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core xvfb xauth clang
                parallel dpkg-dev lintian)

kelca_install_missing() {
  local missing=()
  for p in "${KELCA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# kelca_build [--asan]: sets KELCA_BUILD to the build folder.
kelca_build() {
  local dir="$KELCA_TOP/build" flags=()
  if [ "${1:-}" = "--asan" ]; then
    dir="$KELCA_TOP/build-asan"
    flags=(-DKELCA_SANITIZE=ON -DKELCA_BUILD_BENCH=OFF)
  fi
  cmake -S "$KELCA_TOP" -B "$dir" -G Ninja "${flags[@]}" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
  KELCA_BUILD="$dir"
}

kelca_install_missing
