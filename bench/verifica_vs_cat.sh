#!/usr/bin/env bash
# Whole process: `zocal-cli verifica --json` over 1,000 job files against `cat`
# of the same files, side by side. Usage: bench/verifica_vs_cat.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build}/bin/zocal-cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for n in $(seq -w 1 1000); do
    cp examples/Zocal-dati-due-fondazioni "$work/Zocal-dati-$n"
done
cd "$work"
if command -v hyperfine >/dev/null; then
    hyperfine --warmup 3 --runs 30 --export-markdown "$work/tempi.md" \
        -n zocal-cli "$cli verifica --json Zocal-dati-* >/dev/null" \
        -n cat "cat Zocal-dati-* >/dev/null" >/dev/null
    cat "$work/tempi.md"
else
    for cmd in "$cli verifica --json" "cat"; do
        best=""
        for _ in $(seq 10); do
            s=$(date +%s%N); $cmd Zocal-dati-* >/dev/null; e=$(date +%s%N)
            t=$(( (e - s) / 1000 ))
            if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
        done
        echo "$cmd: best of 10 = ${best} µs"
    done
fi
