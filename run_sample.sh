#!/usr/bin/env bash
# Sets up, builds and runs the main job on the bundled sample data: the
# operating energy and then the life cycle impact and cost assessment of the
# sample office tower. The sample is copied to build/sample-run/office first,
# so the run's working and result files never land in samples/.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
kelca_build
cli="$KELCA_BUILD/src/kelca-cli"
db="$PWD/data/db"
run="$KELCA_BUILD/sample-run"
rm -rf "$run"
mkdir -p "$run"
cp -r samples/office "$run/office"
cd "$run/office"
"$cli" db-info "$db"
"$cli" energy OFFICE.PRJ --db "$db"
"$cli" assess OFFICE.PRJ --db "$db" --res OFFICE_R.RES --csv OFFICE.CSV --lcc OFFICE.LCC
echo
echo "Results in $run/office: OFFICE.EUR, AnHSpCL.TXT, BCLnEQW.SDF, OFFICE_R.RES, OFFICE.CSV, OFFICE.LCC"
