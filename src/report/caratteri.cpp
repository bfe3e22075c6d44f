#include "caratteri.h"

#include <QFontDatabase>
#include <QSet>
#include <QStringList>

namespace zocal {

void sostituiscicaratteri() {
    static const bool fatto = [] {
        // The installed families, looked up by name: asking the font database
        // about one name makes fontconfig resolve it as an alias first, which
        // costs more than listing them all.
        QSet<QString> installate;
        for (const QString& f : QFontDatabase::families()) {
            const qsizetype fonderia = f.indexOf(QLatin1String(" ["));
            installate.insert((fonderia < 0 ? f : f.left(fonderia)).toCaseFolded());
        }
        auto sostituisci = [&](const QString& nome, const QStringList& candidati) {
            for (const QString& c : candidati) {
                if (installate.contains(c.toCaseFolded())) {
                    QFont::insertSubstitution(nome, c);
                    return;
                }
            }
        };
        sostituisci("Century Gothic", {"URW Gothic", "TeX Gyre Adventor", "DejaVu Sans"});
        sostituisci("Times New Roman", {"Liberation Serif", "Nimbus Roman", "DejaVu Serif"});
        return true;
    }();
    (void)fatto;
}

QFont fontbase(const QString& famiglia, const QPaintDevice* layout) {
    QFont base(famiglia);
    base.setPointSizeF(12);
    base.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: the PDF's text must read back letter by letter.
    base.setStyleStrategy(QFont::PreferNoShaping);
    return QFont(base, layout);
}

} // namespace zocal
