#!/usr/bin/env bash
# Run by pacchetto.sh in a private mount namespace, as root: an overlay of
# this system becomes a scratch root (its changes held in memory, gone with
# the namespace), the package WORK/zocal.deb is installed there with apt-get
# as a user would, the installed programs are run, and the package is purged.
# Usage: pacchetto-installa.sh WORK GUI(0|1)
set -euo pipefail
work=$1
gui=$2

fallito() {
    echo "$*"
    exit 1
}

strati=$work/strati
mkdir -p "$strati"
mount -t tmpfs -o size=1g,mode=755 zocal-prova "$strati"
trap 'umount -R "$strati" 2>/dev/null || umount -R -l "$strati"' EXIT
mkdir "$strati/su" "$strati/lavoro" "$strati/radice"
r=$strati/radice
mount -t overlay zocal-prova -o "lowerdir=/,upperdir=$strati/su,workdir=$strati/lavoro" "$r"
mount --rbind /dev "$r/dev"
mount -t proc proc "$r/proc"
mount -t tmpfs -o mode=1777 zocal-tmp "$r/tmp"
cp "$work/zocal.deb" "$r/tmp/"
chmod 644 "$r/tmp/zocal.deb"

nella() {
    chroot "$r" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
# As an ordinary user, who cannot write the installed examples' folder.
# nobody's home does not exist: /tmp stands in for it.
comeutente() {
    chroot "$r" env -i PATH=/usr/bin:/bin HOME=/tmp LANG=C.UTF-8 \
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
}

# A fresh installation even where this system has Zocal installed already.
if nella dpkg-query -W -f='${Status}' zocal 2>/dev/null | grep -q 'ok installed'; then
    nella dpkg --purge zocal >/dev/null
fi
# The dependencies are installed here already (the build needed them), so
# apt-get resolves them without downloading anything.
if ! nella apt-get install -y --no-install-recommends /tmp/zocal.deb \
    >"$work/apt.log" 2>&1; then
    cat "$work/apt.log"
    fallito "apt-get install del pacchetto non riuscito"
fi
grep -E '^(Setting up|Preparing to unpack)' "$work/apt.log" || true
nella dpkg-query -W -f='${Status}\n' zocal | grep -qx 'install ok installed' ||
    fallito "zocal non risulta installato"
echo "installato con apt-get in una radice di prova"

esempio=/usr/share/zocal/esempi/Zocal-dati-esempio
uscita=$(comeutente zocal-cli verifica --json "$esempio")
echo "$uscita"
grep -q '"coeff": "3,33", "verifica": "verificata"' <<<"$uscita" ||
    fallito "zocal-cli verifica installato: risultato inatteso"

if [ "$gui" -eq 1 ]; then
    # The installed batch tool finds its document program in libexec.
    comeutente zocal-cli stampa --dati "$esempio" -o /tmp/dati.pdf
    [ -s "$r/tmp/dati.pdf" ] || fallito "zocal-cli stampa installato non ha scritto il PDF"

    # The report of an installed example: beside it is not writable, and the
    # tool says to use -o; with -o it is written.
    if comeutente zocal-cli relazione "$esempio" >"$work/relazione.log" 2>&1; then
        fallito "relazione scritta nella cartella degli esempi installati"
    fi
    cat "$work/relazione.log"
    grep -q "l'opzione -o" "$work/relazione.log" || fallito "il messaggio non indica -o"
    comeutente zocal-cli relazione "$esempio" -o /tmp/relazione.docx
    if [ ! -s "$r/tmp/relazione.docx" ] || [ ! -s "$r/tmp/relazione.pdf" ]; then
        fallito "zocal-cli relazione -o installato non ha scritto DOCX e PDF"
    fi

    # The installed validation document, and the installed tool's own run:
    # every case within its tolerance.
    [ -s "$r/usr/share/doc/zocal/Zocal-validazione.pdf" ] || fallito "manca il documento di validazione"
    comeutente zocal-cli validazione -o /tmp/validazione.pdf ||
        fallito "zocal-cli validazione installato: un caso fuori tolleranza o documento non scritto"

    # The windows' program starts offscreen and is still up, waiting on its
    # start-up screen, when stopped; a missing library or plugin ends it at once.
    mkdir -m 700 "$r/tmp/run" && chown 65534:65534 "$r/tmp/run"
    set +e
    comeutente env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/run \
        timeout 5 zocal >"$work/zocal.log" 2>&1
    stato=$?
    set -e
    cat "$work/zocal.log"
    [ $stato -eq 124 ] || fallito "zocal installato si è fermato all'avvio (stato $stato)"
    echo "zocal installato avviato senza schermo"
fi

if ! nella apt-get purge -y zocal >"$work/apt.log" 2>&1; then
    cat "$work/apt.log"
    fallito "apt-get purge zocal non riuscito"
fi
for f in /usr/bin/zocal-cli /usr/share/zocal /usr/share/doc/zocal; do
    [ ! -e "$r$f" ] || fallito "dopo la rimozione resta $f"
done
echo "rimosso con apt-get purge senza residui"
