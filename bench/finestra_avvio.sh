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

# Prints the median wall time in ms and the highest peak memory in kB.
misura() {
    local tempi=() memorie=() registro
    registro=$(mktemp)
    for _ in $(seq "$runs"); do
        local inizio fine
        inizio=$(date +%s%N)
        /usr/bin/time -f '%M' -o "$registro" "$@" >/dev/null 2>&1
        fine=$(date +%s%N)
        tempi+=("$(( (fine - inizio) / 1000000 ))")
        memorie+=("$(tail -n 1 "$registro")")
    done
    rm -f "$registro"
    local t m
    t=$(printf '%s\n' "${tempi[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    m=$(printf '%s\n' "${memorie[@]}" | sort -n | awk '{a[NR]=$1} END {print a[NR]}')
    echo "$t $m"
}

confronta() {
    local nome=$1
    shift
    read -r tz mz < <(misura "$@" "$zocal")
    read -r tv mv < <(misura "$@" "$vuota")
    awk -v n="$nome" -v tz="$tz" -v mz="$mz" -v tv="$tv" -v mv="$mv" 'BEGIN {
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
