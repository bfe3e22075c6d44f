#!/usr/bin/env bash
# Whole process: `zocal-cli verifica --json` over 1,000 full jobs (10
# foundations of 10 storeys, about 5 KB each) against `cat` of the same
# files, side by side, as a ratio. The small two-foundation example follows
# for comparison. Usage: bench/verifica_vs_cat.sh [build dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build}/bin/zocal-cli")
runs=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A full job: every foundation and storey filled, as the window saves it
# (Windows-1252, CRLF line ends).
lavoropieno() {
    printf '10\r\n'
    for _ in $(seq 10); do
        printf '"1","0,6",10,\r\n'
        for _ in $(seq 10); do
            printf '"300","200","4","100","200","0,30","3","1800"\r\n'
        done
    done
    printf '"1","1,8","0","30"\r\n'
    printf '"fabbricato di nuova costruzione","in pietrame misto","buona","in travi di cls e pignatte","il fabbricato","il lotto","2","saranno","esistono","non esistono","non esistono","sabbioso","accettabile"\r\n'
    printf '"Ampliamento","localita","Bianchi Anna","Matera","8 dic 2026",""\r\n'
}

# Milliseconds of the fastest and the median of `runs` runs of each
# command, the two run in turn so that both meet the same machine load.
confronta() {
    local cartella=$1
    cd "$cartella"
    local -a file=(Zocal-dati-*)
    if command -v hyperfine >/dev/null; then
        hyperfine -N --warmup 3 --runs "$runs" --export-markdown "$cartella/tempi.md" \
            -n zocal-cli "$cli verifica --json ${file[*]}" \
            -n cat "cat ${file[*]}" >/dev/null
        cat "$cartella/tempi.md"
    fi
    local -a tcli=() tcat=()
    for _ in $(seq "$runs"); do
        local s e
        s=$(date +%s%N); "$cli" verifica --json "${file[@]}" >/dev/null; e=$(date +%s%N)
        tcli+=($(( (e - s) / 1000 )))
        s=$(date +%s%N); cat "${file[@]}" >/dev/null; e=$(date +%s%N)
        tcat+=($(( (e - s) / 1000 )))
    done
    local -a scli scat
    mapfile -t scli < <(printf '%s\n' "${tcli[@]}" | sort -n)
    mapfile -t scat < <(printf '%s\n' "${tcat[@]}" | sort -n)
    local m=$(( runs / 2 ))
    awk -v a="${scli[0]}" -v b="${scat[0]}" -v c="${scli[$m]}" -v d="${scat[$m]}" -v n="$runs" 'BEGIN {
        printf "  zocal-cli verifica --json: best %.1f ms, median %.1f ms (%d runs)\n", a / 1000, c / 1000, n
        printf "  cat:                       best %.1f ms, median %.1f ms\n", b / 1000, d / 1000
        printf "  ratio zocal-cli / cat:     best %.2f, median %.2f\n", a / b, c / d
    }'
    { /usr/bin/time -f "  zocal-cli: %e s elapsed, %U s user, %S s system, %M KB peak" \
        "$cli" verifica --json "${file[@]}" >/dev/null; } 2>&1
    { /usr/bin/time -f "  cat:       %e s elapsed, %U s user, %S s system, %M KB peak" \
        cat "${file[@]}" >/dev/null; } 2>&1
    cd - >/dev/null
}

mkdir "$work/pieni" "$work/piccoli"
lavoropieno >"$work/pieni/Zocal-dati-0001"
for n in $(seq -w 2 1000); do
    cp "$work/pieni/Zocal-dati-0001" "$work/pieni/Zocal-dati-$n"
    cp examples/Zocal-dati-due-fondazioni "$work/piccoli/Zocal-dati-$n"
done
cp examples/Zocal-dati-due-fondazioni "$work/piccoli/Zocal-dati-0001"

echo "1,000 jobs of 10 foundations x 10 storeys ($(wc -c <"$work/pieni/Zocal-dati-0001") bytes each):"
confronta "$work/pieni"
echo "1,000 jobs of two foundations ($(wc -c <"$work/piccoli/Zocal-dati-0001") bytes each):"
confronta "$work/piccoli"
