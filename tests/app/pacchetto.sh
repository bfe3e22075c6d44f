#!/usr/bin/env bash
# The Debian package of a finished build: its contents and fields, lintian
# when it is installed, then a real installation with apt-get into a scratch
# root, where the installed programs are run. The scratch root is an overlay
# of this system in a private mount namespace: the installation sees every
# package already here and leaves nothing behind. Where that cannot be done
# (not root, no overlay file system), the package is unpacked with dpkg-deb
# and the unpacked programs are run instead.
# Usage: pacchetto.sh BUILD_DIR
set -euo pipefail
build=$(realpath "$1")
qui=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
chmod 755 "$work"
# Never across a mount point: the scratch root's mounts are gone by then, and
# must stay untouched if they were not.
trap 'rm -rf --one-file-system "$work"' EXIT

fallito() {
    echo "$*"
    exit 1
}

if ! cpack -G DEB -B "$work/pkg" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(ls "$work"/pkg/zocal_*.deb)
echo "pacchetto: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB," \
    "installato $(dpkg-deb -f "$deb" Installed-Size) kB"
dpkg-deb -x "$deb" "$work/root"
gui=0
[ -x "$build/bin/zocal" ] && gui=1

# --- Contents -----------------------------------------------------------------
attesi=(usr/bin/zocal-cli usr/share/applications/zocal.desktop
    usr/share/mime/packages/zocal.xml usr/share/icons/hicolor/scalable/apps/zocal.svg
    usr/share/icons/hicolor/48x48/apps/zocal.png usr/share/man/man1/zocal.1.gz
    usr/share/man/man1/zocal-cli.1.gz usr/share/zocal/esempi/Zocal-dati-esempio
    usr/share/zocal/esempi/validazione/Zocal-dati-eccentrico
    usr/share/doc/zocal/copyright usr/share/doc/zocal/changelog.Debian.gz
    usr/share/fontconfig/conf.avail/30-zocal-century-gothic.conf)
if [ $gui -eq 1 ]; then
    # The windows' program and the data files it looks for in share/zocal.
    attesi+=(usr/bin/zocal usr/libexec/zocal/zocal-documenti usr/share/zocal/Internet.mid
        usr/share/zocal/SuggerimentiZocal.TXT usr/share/zocal/listino.txt
        usr/share/doc/zocal/Zocal-validazione.pdf)
fi
manca=0
for f in "${attesi[@]}"; do
    if [ ! -e "$work/root/$f" ]; then
        echo "il pacchetto non contiene $f"
        manca=1
    fi
done
[ $manca -eq 0 ] || exit 1

# The reports' "Century Gothic" is URW Gothic, the face of their PDF, for
# every program that asks fontconfig: the alias is enabled where fontconfig
# reads its configuration.
alias=usr/share/fontconfig/conf.avail/30-zocal-century-gothic.conf
[ "$(readlink "$work/root/etc/fonts/conf.d/30-zocal-century-gothic.conf")" = "/$alias" ] ||
    fallito "l'alias dei caratteri non è attivato in /etc/fonts/conf.d"
if command -v fc-match >/dev/null; then
    printf '<?xml version="1.0"?>\n<fontconfig><include>%s</include><include>/etc/fonts/fonts.conf</include></fontconfig>\n' \
        "$work/root/$alias" >"$work/fonts.conf"
    faccia=$(FONTCONFIG_FILE="$work/fonts.conf" fc-match -f '%{family[0]}' "Century Gothic")
    [ "$faccia" = "URW Gothic" ] || fallito "Century Gothic diventa $faccia, non URW Gothic"
fi

# Programs without symbols or debug sections: what users download is what runs.
while IFS= read -r -d '' f; do
    if readelf -S "$f" | grep -Eq '\.debug_|\.symtab'; then
        fallito "programma con simboli o informazioni di debug: ${f#"$work/root"}"
    fi
done < <(find "$work/root/usr/bin" "$work/root/usr/libexec" -type f -print0 2>/dev/null)

# The copyright file is in the machine-readable format, and the changelog's
# newest entry is this very package.
head -n1 "$work/root/usr/share/doc/zocal/copyright" |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fallito "copyright non nel formato leggibile a macchina"
grep -q '^License: ' "$work/root/usr/share/doc/zocal/copyright" || fallito "copyright senza License"
versione=$(dpkg-deb -f "$deb" Version)
voce=$(gzip -dc "$work/root/usr/share/doc/zocal/changelog.Debian.gz" | head -n1)
[[ $voce == "zocal ($versione) "* ]] ||
    fallito "il changelog comincia con \"$voce\", il pacchetto è la versione $versione"

# Every line of the description fits a terminal (Debian: under 80 columns).
while IFS= read -r riga; do
    [ ${#riga} -lt 80 ] || fallito "riga della descrizione troppo lunga: $riga"
done < <(dpkg-deb -f "$deb" Description)
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fallito "descrizione senza testo esteso"

dipendenze=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $dipendenze"
richieste=(libc6 libstdc++6 qt6-qpa-plugins fonts-liberation)
[ $gui -eq 1 ] && richieste+=(libqt6widgets6 libqt6printsupport6 zlib1g libfluidsynth3)
for p in "${richieste[@]}"; do
    grep -q "$p" <<<"$dipendenze" || fallito "dipendenza mancante: $p"
done

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/zocal.desktop"
fi

# --- lintian --------------------------------------------------------------------
if command -v lintian >/dev/null; then
    # As root lintian wants to be told that this is meant.
    if ! lintian --allow-root --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
        cat "$work/lintian.log"
        fallito "lintian trova errori o avvertimenti"
    fi
    cat "$work/lintian.log"
    echo "lintian: nessun errore, nessun avvertimento"
else
    echo "lintian non è installato: controllo saltato"
fi

# --- Installation ---------------------------------------------------------------
# Mounts made in the private namespace stay there; inside a chroot, where "/"
# is no mount point and cannot be made private, the script unmounts its own.
propagazione=private
unshare --mount --propagation private true 2>/dev/null || propagazione=unchanged
if [ "$(id -u)" -eq 0 ] && grep -qw overlay /proc/filesystems && command -v unshare >/dev/null &&
    unshare --mount --propagation $propagazione true 2>/dev/null; then
    cp "$deb" "$work/zocal.deb"
    unshare --mount --propagation $propagazione "$qui/pacchetto-installa.sh" "$work" $gui
else
    echo "installazione con apt-get non possibile qui (serve root e il file system overlay):" \
        "provo i programmi del pacchetto spacchettato"
    r="$work/root"
    uscita=$("$r/usr/bin/zocal-cli" verifica --json "$r/usr/share/zocal/esempi/Zocal-dati-esempio")
    grep -q '"coeff": "3,33", "verifica": "verificata"' <<<"$uscita" || fallito "$uscita"
    if [ $gui -eq 1 ]; then
        "$r/usr/bin/zocal-cli" stampa --dati "$r/usr/share/zocal/esempi/Zocal-dati-esempio" \
            -o "$work/dati.pdf"
        [ -s "$work/dati.pdf" ] || fallito "zocal-cli stampa non ha scritto il PDF"
    fi
fi
echo "pacchetto verificato: $(basename "$deb")"
