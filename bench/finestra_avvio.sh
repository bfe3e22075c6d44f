#!/usr/bin/env bash
# Start-up of zocal to its shown calculation window against a bare Qt program
# showing one empty main window: median wall time and peak memory of each,
# side by side, under the offscreen platform and, when xvfb-run is there,
# under a virtual X server. The time runs from the launch to the end of the
# window's first drawing, which each program reports; the process's whole
# life is shown beside it.
# Usage: bench/finestra_avvio.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
calcolo="$build/bin/bench_avvio_zocal"
splash="$build/bin/bench_avvio_splash"
vuota="$build/bin/bench_avvio_vuota"
for p in "$calcolo" "$splash" "$vuota"; do
    [ -x "$p" ] || { echo "manca $p: compilare i bersagli bench_avvio_zocal, bench_avvio_splash e bench_avvio_vuota" >&2; exit 1; }
done

# One run of a program: start-up in tenths of a ms, peak memory in kB and
# the whole run in tenths of a ms.
una() {
    local registro=$1 inizio fine disegnata
    shift
    inizio=$(date +%s%N)
    disegnata=$(/usr/bin/time -f '%M' -o "$registro" "$@" 2>/dev/null | tail -n 1)
    fine=$(date +%s%N)
    echo "$(( (disegnata - inizio) / 100000 )) $(tail -n 1 "$registro") $(( (fine - inizio) / 100000 ))"
}

# The median of a column of numbers.
mediana() {
    sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

# The two programs take turns, so that whatever else the machine does falls
# on both alike. Prints the median wall times and the highest peak memories.
confronta() {
    local nome=$1 zocal=$2
    shift 2
    local registro tz=() mz=() pz=() tv=() mv=() pv=() t m p
    registro=$(mktemp)
    for _ in $(seq "$runs"); do
        read -r t m p < <(una "$registro" "$@" "$zocal")
        tz+=("$t") mz+=("$m") pz+=("$p")
        read -r t m p < <(una "$registro" "$@" "$vuota")
        tv+=("$t") mv+=("$m") pv+=("$p")
    done
    rm -f "$registro"
    local a b c d e f
    a=$(printf '%s\n' "${tz[@]}" | mediana)
    b=$(printf '%s\n' "${mz[@]}" | sort -n | tail -n 1)
    c=$(printf '%s\n' "${tv[@]}" | mediana)
    d=$(printf '%s\n' "${mv[@]}" | sort -n | tail -n 1)
    e=$(printf '%s\n' "${pz[@]}" | mediana)
    f=$(printf '%s\n' "${pv[@]}" | mediana)
    awk -v n="$nome" -v tz="$a" -v mz="$b" -v tv="$c" -v mv="$d" -v pz="$e" -v pv="$f" 'BEGIN {
        printf "%-32s zocal %5.1f ms %6d kB   finestra vuota %5.1f ms %6d kB   rapporto tempo %.2f memoria %.2f   (processo intero %.1f / %.1f ms, %.2f)\n",
               n, tz / 10, mz, tv / 10, mv, (tv > 0 ? tz / tv : 0), (mv > 0 ? mz / mv : 0),
               pz / 10, pv / 10, (pv > 0 ? pz / pv : 0)
    }'
}

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
if [ -z "${ZOCAL_SOTTO_XVFB:-}" ]; then
    QT_QPA_PLATFORM=offscreen confronta "offscreen, finestra di calcolo" "$calcolo" env
    QT_QPA_PLATFORM=offscreen confronta "offscreen, schermata d'avvio" "$splash" env
    # One virtual X server for all runs, so that its own start is not counted.
    if command -v xvfb-run >/dev/null; then
        ZOCAL_SOTTO_XVFB=1 xvfb-run -a "$0" "$build" "$runs"
    fi
else
    QT_QPA_PLATFORM=xcb confronta "xvfb, finestra di calcolo" "$calcolo" env
    QT_QPA_PLATFORM=xcb confronta "xvfb, schermata d'avvio" "$splash" env
fi
