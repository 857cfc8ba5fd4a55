#!/usr/bin/env bash
# Runs every case of every QtTest program once on its own (`<program> <case>`), each in a fresh
# scratch home set as scripts/test.sh sets it, with the environment CTest gives the program, and
# lists the cases that fail. A case must not lean on what the cases before it in its program left
# behind (threads Qt started, files, settings). Build first (scripts/build.sh).
#   scripts/run-cases-alone.sh [PATTERN]    PATTERN (grep -E) picks programs by their CTest name
# TIDEWELL_BUILD_DIR is the build folder (build), TIDEWELL_JOBS the cases run at a time (3).
# Each failing case's output is kept in the folder named at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${TIDEWELL_BUILD_DIR:-build}")
pattern=${1:-.}
logs=$(mktemp -d)
start=$SECONDS
export QT_QPA_PLATFORM=offscreen

# The QtTest programs: registered as one CTest test each, named after the program and run without
# arguments (GoogleTest cases are registered one by one, with a filter), and linking QtTest.
(cd "$build" && ctest --show-only=json-v1) | python3 -c '
import json, os, sys
for test in json.load(sys.stdin)["tests"]:
    command = test.get("command", [])
    if len(command) != 1 or os.path.basename(command[0]) != test["name"]:
        continue
    props = {p["name"]: p["value"] for p in test.get("properties", [])}
    env = props.get("ENVIRONMENT", [])
    print("\t".join([test["name"], command[0], props.get("WORKING_DIRECTORY", "."),
                     str(int(props.get("TIMEOUT", 300))), " ".join(env if isinstance(env, list) else [env])]))
' | grep -E "^[^	]*(${pattern})" > "$logs/programs" || true
[ -s "$logs/programs" ] || { echo "no QtTest program matches '$pattern' in $build" >&2; exit 1; }

while IFS=$'\t' read -r name program workdir timeout env; do
    readelf -d "$program" | grep -q 'libQt6Test\.so' || continue
    "$program" -functions 2> /dev/null | sed -n 's/^\([A-Za-z_][A-Za-z0-9_]*\)()$/\1/p' |
        while read -r case; do
            printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$program" "$workdir" "$timeout" "$env" "$case"
        done
done < "$logs/programs" > "$logs/cases"
echo "$(wc -l < "$logs/cases") cases of $(cut -f1 "$logs/cases" | sort -u | wc -l) programs, ${TIDEWELL_JOBS:-3} at a time"

run_case() {
    IFS=$'\t' read -r name program workdir timeout env case <<< "$1"
    local scratch
    scratch=$(mktemp -d)
    mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/run"
    chmod 700 "$scratch/run"
    local status=0
    # shellcheck disable=SC2086
    (cd "$workdir" && env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data" \
        XDG_CACHE_HOME="$scratch/cache" XDG_RUNTIME_DIR="$scratch/run" QT_QPA_PLATFORM=offscreen $env \
        timeout "$timeout" "$program" "$case") > "$logs/$name.$case.log" 2>&1 || status=$?
    rm -rf "$scratch"
    if [ "$status" -ne 0 ]; then
        echo "FAIL $name $case (exit $status)"
    else
        rm -f "$logs/$name.$case.log"
    fi
}
export -f run_case
export logs

# shellcheck disable=SC2016  # $1 is run_case's argument, expanded by the inner bash
tr '\n' '\0' < "$logs/cases" | xargs -0 -n 1 -P "${TIDEWELL_JOBS:-3}" bash -c 'run_case "$1"' _ | tee "$logs/failures"
failed=$(wc -l < "$logs/failures")
echo "$failed of $(wc -l < "$logs/cases") cases failed alone, in $((SECONDS - start)) s"
if [ "$failed" -eq 0 ]; then
    rm -rf "$logs"
else
    echo "their output: $logs"
    exit 1
fi
