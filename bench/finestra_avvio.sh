#!/usr/bin/env bash
# Start-up of zocal to its shown calculation window against a bare Qt program
# showing one empty main window: median wall time and peak memory of each,
# side by side, under the offscreen platform and, when xvfb-run is there,
# under a virtual X server.
# Usage: bench/finestra_avvio.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
zocal="$build/bin/bench_avvio_zocal"
vuota="$build/bin/bench_avvio_vuota"
for p in "$zocal" "$vuota"; do
    [ -x "$p" ] || { echo "manca $p: compilare i bersagli bench_avvio_zocal e bench_avvio_vuota" >&2; exit 1; }
done

# One run of a program: wall time in ms and peak memory in kB.
una() {
    local registro=$1 inizio fine
    shift
    inizio=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$registro" "$@" >/dev/null 2>&1
    fine=$(date +%s%N)
    echo "$(( (fine - inizio) / 1000000 )) $(tail -n 1 "$registro")"
}

# The median of a column of numbers.
mediana() {
    sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

# The two programs take turns, so that whatever else the machine does falls
# on both alike. Prints the median wall times and the highest peak memories.
confronta() {
    local nome=$1
    shift
    local registro tz=() mz=() tv=() mv=() t m
    registro=$(mktemp)
    for _ in $(seq "$runs"); do
        read -r t m < <(una "$registro" "$@" "$zocal")
        tz+=("$t") mz+=("$m")
        read -r t m < <(una "$registro" "$@" "$vuota")
        tv+=("$t") mv+=("$m")
    done
    rm -f "$registro"
    local a b c d
    a=$(printf '%s\n' "${tz[@]}" | mediana)
    b=$(printf '%s\n' "${mz[@]}" | sort -n | tail -n 1)
    c=$(printf '%s\n' "${tv[@]}" | mediana)
    d=$(printf '%s\n' "${mv[@]}" | sort -n | tail -n 1)
    awk -v n="$nome" -v tz="$a" -v mz="$b" -v tv="$c" -v mv="$d" 'BEGIN {
        printf "%-10s  zocal %5d ms %7d kB   finestra vuota %5d ms %7d kB   rapporto tempo %.2f memoria %.2f\n",
               n, tz, mz, tv, mv, (tv > 0 ? tz / tv : 0), (mv > 0 ? mz / mv : 0)
    }'
}

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
if [ -z "${ZOCAL_SOTTO_XVFB:-}" ]; then
    QT_QPA_PLATFORM=offscreen confronta offscreen env
    # One virtual X server for all runs, so that its own start is not counted.
    if command -v xvfb-run >/dev/null; then
        ZOCAL_SOTTO_XVFB=1 xvfb-run -a "$0" "$build" "$runs"
    fi
else
    QT_QPA_PLATFORM=xcb confronta xvfb env
fi
