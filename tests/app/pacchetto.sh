#!/usr/bin/env bash
# Builds the Debian package from a finished build, unpacks it into a scratch
# root and runs the installed batch tool on an installed sample job.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if ! cpack -G DEB -B "$work/pkg" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/pkg/zocal_*.deb)
dpkg-deb -x "$deb" "$work/root"

manca=0
for f in usr/bin/zocal-cli usr/share/applications/zocal.desktop \
    usr/share/mime/packages/zocal.xml usr/share/icons/hicolor/scalable/apps/zocal.svg \
    usr/share/icons/hicolor/48x48/apps/zocal.png usr/share/man/man1/zocal.1.gz \
    usr/share/man/man1/zocal-cli.1.gz usr/share/zocal/esempi/Zocal-dati-esempio; do
    if [ ! -e "$work/root/$f" ]; then
        echo "il pacchetto non contiene $f"
        manca=1
    fi
done
if [ -x "$build/bin/zocal" ]; then
    # The windows' program and the data files it looks for in share/zocal.
    for f in usr/bin/zocal usr/libexec/zocal/zocal-documenti usr/share/zocal/Internet.mid usr/share/zocal/SuggerimentiZocal.TXT \
        usr/share/zocal/listino.txt; do
        if [ ! -e "$work/root/$f" ]; then
            echo "il pacchetto non contiene $f"
            manca=1
        fi
    done
fi
[ $manca -eq 0 ]

dipendenze=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $dipendenze"
for p in libc6 libstdc++6 qt6-qpa-plugins fonts-liberation; do
    grep -q "$p" <<<"$dipendenze" || { echo "dipendenza mancante: $p"; exit 1; }
done
if [ -x "$build/bin/zocal" ]; then
    for p in libqt6widgets6 libqt6printsupport6 zlib1g libfluidsynth3; do
        grep -q "$p" <<<"$dipendenze" || { echo "dipendenza mancante: $p"; exit 1; }
    done
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/zocal.desktop"
fi

uscita=$("$work/root/usr/bin/zocal-cli" verifica --json \
    "$work/root/usr/share/zocal/esempi/Zocal-dati-esempio")
echo "$uscita"
grep -q '"coeff": "3,33", "verifica": "verificata"' <<<"$uscita"
# The installed batch tool finds its document program in libexec.
if [ -x "$build/bin/zocal-documenti" ]; then
    "$work/root/usr/bin/zocal-cli" stampa --dati \
        "$work/root/usr/share/zocal/esempi/Zocal-dati-esempio" -o "$work/dati.pdf"
    [ -s "$work/dati.pdf" ] || { echo "zocal-cli stampa installato non ha scritto il PDF"; exit 1; }
fi
echo "pacchetto verificato: $(basename "$deb")"
