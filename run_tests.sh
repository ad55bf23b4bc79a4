#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite (--asan: with address and
# undefined-behaviour sanitizers, in build-asan/).
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kelca_build "${1:-}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$KELCA_BUILD" --output-on-failure -j"$(nproc)"
