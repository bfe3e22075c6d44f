#!/usr/bin/env bash
# Whole process: `zocal-cli relazione` of a full job (10 foundations of 10
# storeys each: title page to signature, DOCX and PDF written) against
# `soffice --headless --convert-to pdf` of the DOCX it wrote, side by side,
# with the peak memory of each. Usage: bench/relazione_confronto.sh [build dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build}/bin/zocal-cli")
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The job file: Windows-1252 text with CR LF line ends.
job="$work/Zocal-dati-pieno"
{
    printf '10\r\n'
    for f in $(seq 10); do
        printf '"1,5","1,2",10,\r\n'
        for i in $(seq 10); do
            printf '"300","200","4,5","100","200","0,40","3,2","1800"\r\n'
        done
    done
    printf '"1","1,8","0","30"\r\n'
    printf '"fabbricato di nuova costruzione","in mattoni di cemento","buona","in travi di cls e pignatte","sono state eseguiti rilievi geognostici","il lotto \xe8 pianeggiante","2","saranno opportunamente incanalate","non esistono altri edifici","non esistono canali di scolo naturali","non esistono frane in atto","sabbioso","buono"\r\n'
    printf '"Edificio residenziale di dieci piani","zona industriale","Impresa Edile Rossi","Potenza","luned\xec, 7 dic 2026","tavole da 1 a 12"\r\n'
} >"$job"

zocal=("$cli" relazione "$job" -o "$work/relazione.docx" --studio "Studio Tecnico" --indirizzo "via Roma 1")
"${zocal[@]}" >"$work/uscita.txt"
cat "$work/uscita.txt"

profile="$work/profilo"
office=(soffice "-env:UserInstallation=file://$profile" --headless --convert-to pdf
    --outdir "$work/lo" "$work/relazione.docx")
# The first conversion builds the office profile; it is not counted.
"${office[@]}" >/dev/null 2>&1

# Best and median wall time of a command, in milliseconds.
tempi() {
    local t=()
    for _ in $(seq "$runs"); do
        local s e
        s=$(date +%s%N)
        "$@" >/dev/null 2>&1
        e=$(date +%s%N)
        t+=($(((e - s) / 1000000)))
    done
    printf '%s\n' "${t[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%d %d\n", a[1], a[int((NR+1)/2)]}'
}
# Peak memory (kB) and processor time (ms, user + system) of one run.
picco() {
    /usr/bin/time -f '%M %U %S' "$@" 2>&1 >/dev/null | tail -n 1 |
        awk '{printf "%d %d\n", $1, ($2 + $3) * 1000}'
}

read -r zbest zmed < <(tempi "${zocal[@]}")
read -r obest omed < <(tempi "${office[@]}")
read -r zmem zcpu < <(picco "${zocal[@]}")
read -r omem ocpu < <(picco "${office[@]}")

printf '\n%-36s %10s %10s %12s %13s\n' "comando ($runs esecuzioni)" "migliore" "mediana" "processore" "memoria max"
printf '%-36s %7d ms %7d ms %9d ms %10d kB\n' "zocal-cli relazione (DOCX + PDF)" "$zbest" "$zmed" "$zcpu" "$zmem"
printf '%-36s %7d ms %7d ms %9d ms %10d kB\n' "soffice --convert-to pdf del DOCX" "$obest" "$omed" "$ocpu" "$omem"
awk -v z="$zmed" -v o="$omed" -v zc="$zcpu" -v oc="$ocpu" 'BEGIN {
    printf "rapporto soffice / zocal-cli: %.1f (mediane), %.1f (tempo di processore)\n",
        o / (z > 0 ? z : 1), oc / (zc > 0 ? zc : 1) }'
