#!/usr/bin/env bash
# Sets up, builds and runs the main job on the bundled sample data.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kelca_build
cli="$KELCA_BUILD/src/kelca-cli"
"$cli" db-info data/db
"$cli" project-info samples/starter/STARTER.PRJ --db data/db
