#!/usr/bin/env bash
# A design study: one copy of a base project per variant, each run through
# kelca-cli energy and assess by GNU parallel, the results gathered by
# kelca-cli collect into one table. docs/STUDIES.md describes the table of
# variants, the output folder and runs on several machines or a cluster.
#
#   tools/study.sh [--db DBFOLDER] [--jobs N] [--sshlogin LOGINS] BASE VARIANTS.CSV OUT
#   tools/study.sh prepare [--db DBFOLDER] BASE VARIANTS.CSV OUT
#   tools/study.sh run-one OUT VARIANT
#   tools/study.sh collect OUT
#
# The first form is the other three in turn. BASE is a project folder with one
# ".PRJ" file, or the ".PRJ" file itself. The exit status is 0 when every
# variant ran, 1 when some failed (the others are still run and collected), 2
# for a wrong command line or table.
set -euo pipefail

SELF=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")
TOP=$(cd "$(dirname "$SELF")/.." && pwd)

usage() {
  sed -n '7,10p' "$SELF" | sed 's/^#   /Usage: /' >&2
  exit 2
}

die() {
  echo "study.sh: $*" >&2
  exit 2
}

absolute() {
  case "$1" in
    /* | "") echo "$1" ;;
    */*) echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")" ;;
    *) command -v "$1" || echo "$1" ;;
  esac
}

# kelca-cli: $KELCA_CLI, else the one built in this source tree, else the installed one.
find_cli() {
  if [ -n "${KELCA_CLI:-}" ]; then
    absolute "$KELCA_CLI"
  elif [ -x "$TOP/build/src/kelca-cli" ]; then
    echo "$TOP/build/src/kelca-cli"
  else
    command -v kelca-cli || die "kelca-cli not found: build it or set KELCA_CLI"
  fi
}

# The database: --db, else $KELCA_DB, else this source tree's, else the installed one.
find_db() {
  local db=${1:-${KELCA_DB:-}}
  if [ -z "$db" ]; then
    if [ -d "$TOP/data/db" ]; then db=$TOP/data/db; else db=/usr/share/kelca/db; fi
  fi
  [ -d "$db" ] || die "no database folder $db"
  (cd "$db" && pwd)
}

trim() {
  local s=$1
  s=${s#"${s%%[![:space:]]*}"}
  echo "${s%"${s##*[![:space:]]}"}"
}

# A variant that cannot run: its message is kept in its folder.
fail_variant() {
  printf '%s\n' "$2" > "$1/failed.txt"
  echo "$(basename "$1"): $2" >&2
}

# What a column header means: "energy", ".EXT" (the project's own file with
# that extension) or a file name in the project folder.
check_header() {
  case "$1" in
    energy | .[A-Za-z0-9]*) ;;
    "" | . | .. | */* | variant) die "$csv: column \"$1\" is neither energy, .EXT nor a file name" ;;
  esac
}

# The file a column replaces in the variant folder.
target_of() {
  case "$1" in
    .*) echo "${project%.*}$1" ;;
    *) echo "$1" ;;
  esac
}

# Copies the base project and puts the row's replacements into it.
prepare_variant() {
  local dir=$1
  shift
  local -a cells=("$@")
  rm -rf "$dir"
  mkdir -p "$dir"
  cp -R "$base/." "$dir/"
  if [ ${#cells[@]} -gt ${#headers[@]} ]; then
    fail_variant "$dir" "the row has ${#cells[@]} fields, the header ${#headers[@]}"
    return
  fi
  local i value source
  for ((i = 1; i < ${#cells[@]}; i++)); do
    value=$(trim "${cells[i]}")
    [ -n "$value" ] || continue
    if [ "${headers[i]}" = energy ]; then
      value=$(printf '%s' "$value" | tr -s ' \t;' ',')
      if ! [[ $value =~ ^([-+0-9.eE]+,){5}[-+0-9.eE]+$ ]]; then
        fail_variant "$dir" "energy needs six numbers separated by blanks: ${cells[i]}"
        return
      fi
      echo "$value" > "$dir/study-energy.txt"
      continue
    fi
    case "$value" in /*) source=$value ;; *) source=$csv_dir/$value ;; esac
    if [ ! -f "$source" ]; then
      fail_variant "$dir" "$source not found (column ${headers[i]})"
      return
    fi
    cp "$source" "$dir/$(target_of "${headers[i]}")"
  done
}

prepare() {
  local db_arg=""
  while [ $# -gt 3 ]; do
    case "$1" in
      --db) db_arg=$2; shift 2 ;;
      *) usage ;;
    esac
  done
  [ $# -eq 3 ] || usage
  local base_arg=$1 out_arg=$3
  csv=$2
  [ -f "$csv" ] || die "no table of variants $csv"
  csv_dir=$(cd "$(dirname "$csv")" && pwd)
  if [ -d "$base_arg" ]; then
    local found=("$base_arg"/*.[Pp][Rr][Jj])
    [ ${#found[@]} -eq 1 ] && [ -f "${found[0]}" ] || die "$base_arg must hold exactly one .PRJ file"
    base_arg=${found[0]}
  fi
  [ -f "$base_arg" ] || die "no project file $base_arg"
  base=$(cd "$(dirname "$base_arg")" && pwd -P)
  project=$(basename "$base_arg")
  out=$(realpath -m "$out_arg")
  case "$out/" in "$base/"*) die "the output folder $out must not lie inside the project folder $base" ;; esac
  mkdir -p "$out"

  local cli db
  cli=$(find_cli)
  db=$(find_db "$db_arg")
  printf 'cli=%q\ndb=%q\nproject=%q\n' "$cli" "$db" "$project" > "$out/study.conf"

  local header
  IFS= read -r header < "$csv" || die "$csv is empty"
  IFS=, read -r -a headers <<< "${header%$'\r'}"
  [ "$(trim "${headers[0]:-}")" = variant ] || die "$csv: the first column must be headed \"variant\""
  local i
  for ((i = 0; i < ${#headers[@]}; i++)); do
    headers[i]=$(trim "${headers[i]}")
    [ "$i" -eq 0 ] || check_header "${headers[i]}"
  done

  local line name
  local -a cells
  : > "$out/variants.txt"
  while IFS= read -r line || [ -n "$line" ]; do
    line=${line%$'\r'}
    [ -n "$(trim "$line")" ] && [ "${line:0:1}" != "#" ] || continue
    IFS=, read -r -a cells <<< "$line"
    name=$(trim "${cells[0]}")
    [[ $name =~ ^[A-Za-z0-9][A-Za-z0-9_.-]*$ ]] || die "$csv: variant name \"$name\" (letters, digits, _ . - only)"
    grep -qxF "$name" "$out/variants.txt" && die "$csv: variant \"$name\" appears twice"
    echo "$name" >> "$out/variants.txt"
    prepare_variant "$out/$name" "${cells[@]}"
  done < <(tail -n +2 "$csv")
  [ -s "$out/variants.txt" ] || die "$csv lists no variants"
}

load_conf() {
  out=$(cd "$1" && pwd)
  [ -f "$out/study.conf" ] || die "$out holds no prepared study"
  # shellcheck source=/dev/null
  source "$out/study.conf"
  [ -z "${KELCA_CLI:-}" ] || cli=$(absolute "$KELCA_CLI")
}

# The last line a failed command wrote on its standard error.
last_error() {
  local text
  text=$(grep -v '^[[:space:]]*$' "$1" | tail -n 1 || true)
  echo "${text:-$2 ended with status $3}"
}

# Runs energy (unless the row gave the energy) and assess in a variant's folder.
run_one() {
  [ $# -eq 2 ] || usage
  load_conf "$1"
  local name=$2 dir
  dir=$out/$name
  [ -d "$dir" ] || die "no variant $name in $out"
  [ ! -f "$dir/failed.txt" ] || exit 1  # refused when prepared
  cd "$dir"
  rm -f "$name.RES" "$name-table.CSV" errors.txt
  local -a assess=("$cli" assess "$project" --db "$db" --res "$name.RES" --table "$name-table.CSV")
  local status=0
  if [ -f study-energy.txt ]; then
    assess+=(--energy "$(cat study-energy.txt)")
  else
    "$cli" energy "$project" --db "$db" --quiet --log energy-log.txt > energy.txt 2> errors.txt || status=$?
    if [ $status -ne 0 ]; then
      fail_variant "$dir" "$(last_error errors.txt "kelca-cli energy" $status)"
      exit 1
    fi
  fi
  [ ! -f "${project%.*}.WGT" ] || assess+=(--wgt "${project%.*}.WGT")
  "${assess[@]}" > assess.txt 2>> errors.txt || status=$?
  if [ $status -ne 0 ]; then
    rm -f "$name.RES"
    fail_variant "$dir" "$(last_error errors.txt "kelca-cli assess" $status)"
    exit 1
  fi
}

csv_quote() {
  local s=${1//\"/\"\"}
  echo "\"$s\""
}

# study.csv from the variants that ran, failures.csv and a summary of the others.
collect() {
  [ $# -eq 1 ] || usage
  load_conf "$1"
  cd "$out"
  local name message done=0
  local -a results=() failed=()
  printf 'variant,message\r\n' > failures.csv
  while IFS= read -r name; do
    if [ -f "$name/failed.txt" ]; then
      message=$(head -n 1 "$name/failed.txt")
    elif [ -f "$name/$name.RES" ]; then
      results+=("$name/$name.RES")
      continue
    else
      message="not run"
    fi
    failed+=("$name: $message")
    printf '%s,%s\r\n' "$(csv_quote "$name")" "$(csv_quote "$message")" >> failures.csv
  done < variants.txt
  rm -f study.csv
  if [ ${#results[@]} -gt 0 ]; then
    "$cli" collect "${results[@]}" > study.csv || failed+=("kelca-cli collect ended with status $?")
  fi
  echo "${#results[@]} of $(wc -l < variants.txt) variants done; results in $out/study.csv"
  if [ ${#failed[@]} -gt 0 ]; then
    echo "Failed (also in $out/failures.csv):" >&2
    printf '  %s\n' "${failed[@]}" >&2
    return 1
  fi
}

study() {
  local -a prep=() par=()
  local jobs=""
  while [ $# -gt 0 ]; do
    case "$1" in
      --db) [ $# -ge 2 ] || usage; prep+=(--db "$2"); shift 2 ;;
      --jobs) [ $# -ge 2 ] || usage; jobs=$2; par+=("$1" "$2"); shift 2 ;;
      --sshlogin) [ $# -ge 2 ] || usage; par+=("$1" "$2"); shift 2 ;;
      -*) usage ;;
      *) break ;;
    esac
  done
  [ $# -eq 3 ] || usage
  command -v parallel > /dev/null || die "GNU parallel is not installed (tools/setup.sh installs it)"
  prepare "${prep[@]}" "$@"
  # Runs side by side take a thread each, unless KELCA_THREADS says otherwise,
  # so that they do not crowd each other's cores; one run at a time takes all.
  if [ "$jobs" != 1 ]; then export KELCA_THREADS=${KELCA_THREADS:-1}; fi
  [ -n "${KELCA_THREADS:-}" ] && par+=(--env KELCA_THREADS)
  # A failed variant leaves its message; the others go on.
  parallel -q "${par[@]}" --joblog "$out/joblog.txt" "$SELF" run-one "$out" {} :::: "$out/variants.txt" || true
  collect "$out"
}

case "${1:-}" in
  prepare) shift; prepare "$@" ;;
  run-one) shift; run_one "$@" ;;
  collect) shift; collect "$@" ;;
  "" | -h | --help) usage ;;
  *) study "$@" ;;
esac
