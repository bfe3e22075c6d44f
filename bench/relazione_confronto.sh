#!/usr/bin/env bash
# Whole process: `zocal-cli relazione` of a full job (10 foundations of 10
# storeys each: title page to signature, DOCX and PDF written) against
# `soffice --headless --convert-to pdf` of the DOCX it wrote, side by side,
# with the processor time and peak memory of each; the report timed with its
# limit-state section and without it (--senza-ntc), and the same job with
# the seismic check and the settlements against the conversion of its own DOCX.
# Usage: bench/relazione_confronto.sh [build dir] [runs]
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
    printf '"fabbricato di nuova costruzione","in mattoni di cemento","buona","in travi di cls e pignatte","sono stati eseguiti rilievi geognostici","il lotto \xe8 pianeggiante","2","saranno opportunamente incanalate","non esistono altri edifici","non esistono canali di scolo naturali","non esistono frane in atto","sabbioso","buono"\r\n'
    printf '"Edificio residenziale di dieci piani","zona industriale","Impresa Edile Rossi","Potenza","luned\xec, 7 dic 2026","tavole da 1 a 12"\r\n'
} >"$job"

# The same job with site data and layers: each foundation's seismic check and settlement.
cp "$job" "$job-sisma"
printf '"NTC2018-SISMA","0,15","2,45","C","","2,5","",""\r\n"NTC2018-STRATI","2,5","","3","10","5","20"\r\n' >>"$job-sisma"

zocal=("$cli" relazione "$job" -o "$work/relazione.docx" --studio "Studio Tecnico" --indirizzo "via Roma 1")
sisma=("$cli" relazione "$job-sisma" -o "$work/sisma.docx" --studio "Studio Tecnico" --indirizzo "via Roma 1")
senzantc=("$cli" relazione "$job" -o "$work/senza.docx" --senza-ntc --studio "Studio Tecnico" --indirizzo "via Roma 1")
"${zocal[@]}" >"$work/uscita.txt"
cat "$work/uscita.txt"
"${sisma[@]}" >/dev/null

profile="$work/profilo"
office=(soffice "-env:UserInstallation=file://$profile" --headless --convert-to pdf
    --outdir "$work/lo" "$work/relazione.docx")
officesisma=(soffice "-env:UserInstallation=file://$profile" --headless --convert-to pdf
    --outdir "$work/lo" "$work/sisma.docx")
# The first conversion builds the office profile; it is not counted.
"${office[@]}" >/dev/null 2>&1

# Each command run $runs times; for every run the wall time, the processor
# time (user + system, all threads and children) and the peak memory, read
# with wait4() so that they are not rounded to 10 ms as time(1) rounds them.
# Prints best and median wall time, median processor time, largest peak (kB).
misura() {
    python3 - "$runs" "$@" <<'PY'
import os, subprocess, sys, time
runs, cmd = int(sys.argv[1]), sys.argv[2:]
wall, cpu, mem = [], [], []
for _ in range(runs):
    start = time.perf_counter()
    p = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, ru = os.wait4(p.pid, 0)
    wall.append((time.perf_counter() - start) * 1000)
    cpu.append((ru.ru_utime + ru.ru_stime) * 1000)
    mem.append(ru.ru_maxrss)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed: " + " ".join(cmd))
med = lambda v: sorted(v)[(len(v) - 1) // 2]
print("%d %d %d %d" % (min(wall), med(wall), med(cpu), max(mem)))
PY
}

read -r zbest zmed zcpu zmem < <(misura "${zocal[@]}")
read -r sbest smed scpu smem < <(misura "${senzantc[@]}")
read -r obest omed ocpu omem < <(misura "${office[@]}")
read -r kbest kmed kcpu kmem < <(misura "${sisma[@]}")
read -r qbest qmed qcpu qmem < <(misura "${officesisma[@]}")

printf '\n%-40s %10s %10s %12s %13s\n' "comando ($runs esecuzioni)" "migliore" "mediana" "processore" "memoria max"
printf '%-40s %7d ms %7d ms %9d ms %10d kB\n' "zocal-cli relazione (DOCX + PDF)" "$zbest" "$zmed" "$zcpu" "$zmem"
printf '%-40s %7d ms %7d ms %9d ms %10d kB\n' "zocal-cli relazione --senza-ntc" "$sbest" "$smed" "$scpu" "$smem"
printf '%-40s %7d ms %7d ms %9d ms %10d kB\n' "soffice --convert-to pdf del DOCX" "$obest" "$omed" "$ocpu" "$omem"
printf '%-40s %7d ms %7d ms %9d ms %10d kB\n' "zocal-cli relazione, sisma e cedimenti" "$kbest" "$kmed" "$kcpu" "$kmem"
printf '%-40s %7d ms %7d ms %9d ms %10d kB\n' "soffice, DOCX con sisma e cedimenti" "$qbest" "$qmed" "$qcpu" "$qmem"
# Medians, processor times and best times: on a busy machine the best times
# are the ones least disturbed.
rapporto() {
    awk -v z="$2" -v o="$5" -v zc="$3" -v oc="$6" -v zb="$4" -v ob="$7" -v nome="$1" 'BEGIN {
        printf "rapporto soffice / zocal-cli, %s: %.1f (mediane), %.1f (tempo di processore, mediane), %.1f (migliori)\n",
            nome, o / (z > 0 ? z : 1), oc / (zc > 0 ? zc : 1), ob / (zb > 0 ? zb : 1) }'
}
rapporto "con la verifica NTC" "$zmed" "$zcpu" "$zbest" "$omed" "$ocpu" "$obest"
rapporto "senza la verifica NTC" "$smed" "$scpu" "$sbest" "$omed" "$ocpu" "$obest"
rapporto "con sisma e cedimenti" "$kmed" "$kcpu" "$kbest" "$qmed" "$qcpu" "$qbest"
