#!/usr/bin/env bash
# Whole process: `zocal-cli verifica --json` over 1,000 job files against `cat`
# of the same files. Usage: bench/verifica_vs_cat.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in $(seq -w 1 1000); do
    cp examples/Zocal-dati-due-fondazioni "$work/Zocal-dati-$n"
done
files=("$work"/Zocal-dati-*)
"$build/bin/zocal-cli" verifica --json "${files[@]}" >/dev/null   # warm the cache
cat "${files[@]}" >/dev/null
if command -v hyperfine >/dev/null; then
    hyperfine -N --warmup 3 --runs 20 \
        "$build/bin/zocal-cli verifica --json ${files[*]}" "cat ${files[*]}"
else
    for cmd in "$build/bin/zocal-cli verifica --json" "cat"; do
        best=""
        for _ in $(seq 10); do
            s=$(date +%s%N); $cmd "${files[@]}" >/dev/null; e=$(date +%s%N)
            t=$(( (e - s) / 1000 ))
            if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
        done
        echo "$cmd: best of 10 = ${best} µs"
    done
fi
