#include "docx.h"

#include "archiviozip.h"
#include "blocchi.h"
#include "disegni.h"
#include "impaginazione.h"

#include <QColor>
#include <QDateTime>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <unordered_map>

namespace zocal {

namespace ip = impaginazione;
using namespace blocchi;

namespace {

constexpr const char* idpiede = "rId3";

constexpr const char* intestazionexml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
constexpr const char* spaziow =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";

constexpr const char* spazidisegno =
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";

// The relationship of the n-th picture (from 1).
QByteArray idimmagine(std::size_t n) {
    return "rIdImmagine" + QByteArray::number(static_cast<qulonglong>(n));
}

// Characters XML cannot carry, and surrogates without their partner.
bool scartato(const QString& s, qsizetype i) {
    const QChar ch = s[i];
    const char16_t u = ch.unicode();
    if (ch.isHighSurrogate()) {
        return !(i + 1 < s.size() && s[i + 1].isLowSurrogate());
    }
    if (ch.isLowSurrogate()) {
        return !(i > 0 && s[i - 1].isHighSurrogate());
    }
    return u == 0xFFFE || u == 0xFFFF || (u < 0x20 && u != '\t');
}

} // namespace

QString ammessoxml(const QString& s) {
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (!scartato(s, i) || s[i] == QLatin1Char('\n') || s[i] == QLatin1Char('\r')) {
            out += s[i];
        }
    }
    return out;
}

namespace {

// Text for XML: markup characters escaped, characters XML cannot carry dropped.
void testoxml(QByteArray& out, const QString& s) {
    QString pulito;
    const QString* testo = &s;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (scartato(s, i)) {
            pulito.reserve(s.size());
            for (qsizetype k = 0; k < s.size(); ++k) {
                if (!scartato(s, k)) {
                    pulito += s[k];
                }
            }
            testo = &pulito;
            break;
        }
    }
    const QByteArray utf8 = testo->toUtf8();
    qsizetype inizio = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char* sostituto = nullptr;
        switch (utf8[i]) {
        case '&':
            sostituto = "&amp;";
            break;
        case '<':
            sostituto = "&lt;";
            break;
        case '>':
            sostituto = "&gt;";
            break;
        case '"':
            sostituto = "&quot;";
            break;
        default:
            continue;
        }
        out.append(utf8.constData() + inizio, i - inizio);
        out += sostituto;
        inizio = i + 1;
    }
    out.append(utf8.constData() + inizio, utf8.size() - inizio);
}

QByteArray attributo(const QString& s) {
    QByteArray out;
    testoxml(out, s);
    return out;
}

QByteArray numero(long long n) {
    return QByteArray::number(n);
}

// Paragraph spacing: none before or after, lines exactly `riga` twips apart.
QByteArray spaziatura(long long riga) {
    return "<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"" + numero(riga) +
           "\" w:lineRule=\"exact\"/>";
}

QByteArray esadecimale(const QColor& c) {
    return c.name(QColor::HexRgb).mid(1).toUpper().toLatin1();
}

QString famigliadi(const QTextCharFormat& f, const QString& predefinita) {
    const QStringList famiglie = f.fontFamilies().toStringList();
    if (!famiglie.isEmpty() && !famiglie.front().isEmpty()) {
        return famiglie.front();
    }
    return predefinita;
}

class Documento {
  public:
    Documento(const QTextDocument& doc, const ProprietaDocx& proprieta)
        : doc_(doc), proprieta_(proprieta), famiglia_(doc.defaultFont().family()),
          punti_(doc.defaultFont().pointSizeF() > 0 ? doc.defaultFont().pointSizeF() : 12) {}

    QByteArray crea() {
        // Some 70 bytes of markup a character; memory reserved and not
        // written is never touched.
        out_.reserve(std::max<qsizetype>(1 << 20, qsizetype{doc_.characterCount()} * 100));
        out_ += intestazionexml;
        out_ += "<w:document " + QByteArray(spaziow) + " " + spazidisegno + "><w:body>";
        struct Elemento {
            QTextTable* tabella = nullptr;
            QTextBlock blocco;
        };
        std::vector<Elemento> elementi;
        const QTextFrame* radice = doc_.rootFrame();
        for (auto it = radice->begin(); !it.atEnd(); ++it) {
            if (auto* t = qobject_cast<QTextTable*>(it.currentFrame())) {
                elementi.push_back({t, {}});
            } else if (it.currentBlock().isValid()) {
                elementi.push_back({nullptr, it.currentBlock()});
            }
        }
        const std::size_t n = elementi.size();
        for (std::size_t i = 0; i < n; ++i) {
            const Elemento& e = elementi[i];
            if (e.tabella != nullptr) {
                tabella(*e.tabella);
                continue;
            }
            // The empty blocks the layout does not show around tables (Qt
            // needs them) are left out, save the one a table must be followed by.
            const bool vuoto = e.blocco.length() <= 1;
            const bool dopo = i > 0 && elementi[i - 1].tabella != nullptr;
            const bool prima = i + 1 < n && elementi[i + 1].tabella != nullptr;
            const QTextBlockFormat bf = e.blocco.blockFormat();
            const bool nascosto =
                vuoto && (dopo || (prima && !bf.hasProperty(QTextFormat::PageBreakPolicy) &&
                                   !bf.hasProperty(QTextFormat::BackgroundBrush)));
            const bool necessario = dopo && (i + 1 == n || prima);
            if (!nascosto || necessario) {
                paragrafo(e.blocco);
            }
        }
        out_ += "<w:sectPr>";
        if (proprieta_.numerate) {
            // The first page has a footer of its own, which is empty.
            out_ += "<w:footerReference w:type=\"default\" r:id=\"" + QByteArray(idpiede) + "\"/>";
        }
        out_ += "<w:pgSz w:w=\"" + numero(ip::larghezzatw) + "\" w:h=\"" + numero(ip::altezzatw) +
                "\"/><w:pgMar w:top=\"" + numero(ip::marginetw) + "\" w:right=\"" +
                numero(ip::marginetw) + "\" w:bottom=\"" + numero(ip::marginetw) + "\" w:left=\"" +
                numero(ip::marginetw) + "\" w:header=\"709\" w:footer=\"" + numero(ip::piedetw) +
                "\" w:gutter=\"0\"/>";
        if (proprieta_.numerate) {
            out_ += "<w:titlePg/>";
        }
        out_ += "</w:sectPr>";
        out_ += "</w:body></w:document>";
        return out_;
    }

  private:
    QByteArray proprieta(const QTextCharFormat& f) const {
        const QByteArray fam = attributo(famigliadi(f, famiglia_));
        const double p = f.fontPointSize() > 0 ? f.fontPointSize() : punti_;
        const QByteArray mezzi = numero(std::llround(p * 2));
        QByteArray out = "<w:rPr><w:rFonts w:ascii=\"" + fam + "\" w:hAnsi=\"" + fam +
                         "\" w:cs=\"" + fam + "\" w:eastAsia=\"" + fam + "\"/>";
        if (f.fontWeight() >= QFont::Bold) {
            out += "<w:b/><w:bCs/>";
        }
        if (f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().style() != Qt::NoBrush) {
            out += "<w:color w:val=\"" + esadecimale(f.foreground().color()) + "\"/>";
        }
        out += "<w:sz w:val=\"" + mezzi + "\"/><w:szCs w:val=\"" + mezzi + "\"/></w:rPr>";
        return out;
    }

    // What the writer reads of a character format of the document, read
    // once: every cell of a table shares a handful of formats. `formato`
    // gives the format when it is first met.
    struct Carattere {
        bool disegno;
        bool conteggio;
        double punti;
        QByteArray proprieta; // the run properties
    };
    template <typename F> const Carattere& carattere(int indice, F&& formato) {
        auto it = caratteri_.find(indice);
        if (it == caratteri_.end()) {
            const QTextCharFormat f = formato();
            it = caratteri_
                     .emplace(indice, Carattere{disegni::edisegno(f), f.hasProperty(campoconteggio),
                                                blocchi::puntidi(f, punti_), proprieta(f)})
                     .first;
        }
        return it->second;
    }
    const Carattere& carattere(const QTextFragment& fr) {
        return carattere(fr.charFormatIndex(), [&fr] { return fr.charFormat(); });
    }

    // The height of the block's lines in twips, as the layout makes them:
    // single spacing of the report's font at the block's largest size. Given
    // exactly, a word processor breaks the pages where the layout did,
    // whatever face stands in for the font. 0 for a picture's line, which is
    // as tall as the picture.
    long long interlineatw(const QTextBlock& b) {
        double punti = 0;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const Carattere& c = carattere(it.fragment());
            if (c.disegno) {
                return 0;
            }
            punti = std::max(punti, c.punti);
        }
        if (punti == 0) {
            punti = carattere(b.charFormatIndex(), [&b] { return b.charFormat(); }).punti;
        }
        return std::llround(punti * ip::interlinea * 20);
    }

    // `tieni`: kept with the next paragraph, and whole.
    const QByteArray& proprietaparagrafo(const QTextBlock& b, bool tieni) {
        const long long riga = interlineatw(b);
        const auto chiave = std::make_tuple(b.blockFormatIndex(), b.charFormatIndex(), tieni, riga);
        auto it = paragrafi_.find(chiave);
        if (it == paragrafi_.end()) {
            const QTextBlockFormat bf = b.blockFormat();
            QByteArray out = "<w:pPr>";
            if (tieni) {
                out += "<w:keepNext/><w:keepLines/>";
            }
            if (bf.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) {
                out += "<w:pageBreakBefore/>";
            }
            out += riga > 0 ? spaziatura(riga)
                            : QByteArray("<w:spacing w:before=\"0\" w:after=\"0\" w:line=\"240\" "
                                         "w:lineRule=\"auto\"/>");
            const Qt::Alignment a = bf.alignment() & Qt::AlignHorizontal_Mask;
            if (a & Qt::AlignJustify) {
                out += "<w:jc w:val=\"both\"/>";
            } else if (a & Qt::AlignRight) {
                out += "<w:jc w:val=\"right\"/>";
            } else if (a & Qt::AlignHCenter) {
                out += "<w:jc w:val=\"center\"/>";
            }
            out += carattere(b.charFormatIndex(), [&b] { return b.charFormat(); }).proprieta;
            out += "</w:pPr>";
            it = paragrafi_.emplace(chiave, out).first;
        }
        return it->second;
    }

    // An empty paragraph kept with the next one only holds the run it
    // belongs to: one that opens a run would carry its blank line along.
    void paragrafo(const QTextBlock& b) {
        const bool tieni = b.blockFormat().boolProperty(tienisegue) &&
                           (b.length() > 1 || tenuto_ || dentrotabella(b));
        tenuto_ = b.blockFormat().boolProperty(tienisegue);
        out_ += "<w:p>";
        out_ += proprietaparagrafo(b, tieni);
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fr = it.fragment();
            const Carattere& c = carattere(fr);
            if (c.disegno) {
                figura(fr.charFormat());
                continue;
            }
            if (c.conteggio) {
                // The count as a field: a word processor that lays the
                // document out anew shows its own; the stored result is ours.
                out_ += "<w:fldSimple w:instr=\" NUMPAGES \\* MERGEFORMAT \"><w:r>";
                out_ += c.proprieta;
                out_ += "<w:t>";
                testoxml(out_, fr.text());
                out_ += "</w:t></w:r></w:fldSimple>";
                continue;
            }
            out_ += "<w:r>";
            out_ += c.proprieta;
            const QString testo = fr.text();
            qsizetype inizio = 0;
            auto pezzo = [&](qsizetype fine) {
                if (fine > inizio) {
                    out_ += "<w:t xml:space=\"preserve\">";
                    testoxml(out_, fine - inizio == testo.size()
                                       ? testo
                                       : testo.mid(inizio, fine - inizio));
                    out_ += "</w:t>";
                }
            };
            for (qsizetype i = 0; i < testo.size(); ++i) {
                const char16_t u = testo[i].unicode();
                if (u == u'\t' || u == QChar::LineSeparator) {
                    pezzo(i);
                    out_ += u == u'\t' ? "<w:tab/>" : "<w:br/>";
                    inizio = i + 1;
                }
            }
            pezzo(testo.size());
            out_ += "</w:r>";
        }
        out_ += "</w:p>";
    }

    // A drawing of the document inline in its run, as a PNG part of the
    // archive; one the document does not hold is left out.
    void figura(const QTextCharFormat& f) {
        const disegni::Gestore* g = disegni::gestore(doc_);
        const Disegno* d = g != nullptr ? g->disegno(f) : nullptr;
        const double larghezza = f.doubleProperty(disegni::larghezza);
        const double altezza = f.doubleProperty(disegni::altezza);
        if (d == nullptr) {
            return;
        }
        immagini_.push_back({"word/media/immagine" + std::to_string(immagini_.size() + 1) + ".png",
                             d, larghezza, altezza});
        const QByteArray n = numero(static_cast<long long>(immagini_.size()));
        // In EMU, 12700 a point.
        const QByteArray cx = numero(std::llround(larghezza * 12700));
        const QByteArray cy = numero(std::llround(altezza * 12700));
        out_ += "<w:r><w:drawing><wp:inline distT=\"0\" distB=\"0\" distL=\"0\" distR=\"0\">"
                "<wp:extent cx=\"" +
                cx + "\" cy=\"" + cy + "\"/><wp:docPr id=\"" + n + "\" name=\"Immagine " + n +
                "\"/><wp:cNvGraphicFramePr><a:graphicFrameLocks noChangeAspect=\"1\"/>"
                "</wp:cNvGraphicFramePr><a:graphic><a:graphicData "
                "uri=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"><pic:pic>"
                "<pic:nvPicPr><pic:cNvPr id=\"" +
                n + "\" name=\"immagine" + n +
                ".png\"/><pic:cNvPicPr/></pic:nvPicPr><pic:blipFill><a:blip r:embed=\"" +
                idimmagine(immagini_.size()) +
                "\"/><a:stretch><a:fillRect/></a:stretch></pic:blipFill><pic:spPr><a:xfrm>"
                "<a:off x=\"0\" y=\"0\"/><a:ext cx=\"" +
                cx + "\" cy=\"" + cy +
                "\"/></a:xfrm><a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom></pic:spPr>"
                "</pic:pic></a:graphicData></a:graphic></wp:inline></w:drawing></w:r>";
    }

    const QByteArray& colore(const QColor& c) {
        auto it = colori_.find(c.rgba());
        if (it == colori_.end()) {
            it = colori_.emplace(c.rgba(), esadecimale(c)).first;
        }
        return it->second;
    }

    void tabella(const QTextTable& t) {
        const QTextTableFormat tf = t.format();
        const int colonne = t.columns();
        std::vector<long long> larghezze(static_cast<std::size_t>(colonne), ip::testotw / colonne);
        const QList<QTextLength> vincoli = tf.columnWidthConstraints();
        if (vincoli.size() == colonne) {
            for (int k = 0; k < colonne; ++k) {
                const QTextLength& l = vincoli[k];
                if (l.type() == QTextLength::PercentageLength) {
                    larghezze[static_cast<std::size_t>(k)] =
                        std::llround(ip::testotw * l.rawValue() / 100.0);
                }
            }
        }
        const QByteArray colorebordo = tf.borderBrush().style() != Qt::NoBrush
                                           ? esadecimale(tf.borderBrush().color())
                                           : QByteArray("000000");
        const QByteArray bordo = "w:val=\"single\" w:sz=\"" +
                                 numero(std::llround(ip::bordopunti * 8)) +
                                 "\" w:space=\"0\" w:color=\"" + colorebordo + "\"";
        const QByteArray spazio = numero(std::llround(ip::spaziocellapunti * 20));
        const QByteArray spaziolato = numero(std::llround(ip::spaziocellalatodocx * 20));
        out_ += "<w:tbl><w:tblPr><w:tblW w:w=\"5000\" w:type=\"pct\"/><w:tblBorders>";
        for (const char* lato : {"top", "left", "bottom", "right", "insideH", "insideV"}) {
            out_ += "<w:" + QByteArray(lato) + " " + bordo + "/>";
        }
        out_ += "</w:tblBorders><w:tblLayout w:type=\"fixed\"/><w:tblCellMar><w:top w:w=\"" +
                spazio + "\" w:type=\"dxa\"/><w:left w:w=\"" + spaziolato +
                "\" w:type=\"dxa\"/><w:bottom w:w=\"" + spazio +
                "\" w:type=\"dxa\"/><w:right w:w=\"" + spaziolato +
                "\" w:type=\"dxa\"/></w:tblCellMar></w:tblPr><w:tblGrid>";
        std::vector<QByteArray> aperture;
        for (long long l : larghezze) {
            out_ += "<w:gridCol w:w=\"" + numero(l) + "\"/>";
            aperture.push_back("<w:tc><w:tcPr><w:tcW w:w=\"" + numero(l) + "\" w:type=\"dxa\"/>");
        }
        out_ += "</w:tblGrid>";
        const int intestazione = tf.headerRowCount();
        std::unordered_map<int, QBrush> sfondi; // by the cell's format
        for (int r = 0; r < t.rows(); ++r) {
            out_ += "<w:tr>";
            const bool tenuta =
                primodi(t.cellAt(r, 0), doc_).blockFormat().boolProperty(tienisegue);
            if (r < intestazione || tenuta) {
                out_ += "<w:trPr><w:cantSplit/>";
                if (r < intestazione) {
                    out_ += "<w:tblHeader/>";
                }
                out_ += "</w:trPr>";
            }
            for (int k = 0; k < colonne; ++k) {
                const QTextTableCell c = t.cellAt(r, k);
                out_ += aperture[static_cast<std::size_t>(k)];
                auto sfondo = sfondi.find(c.tableCellFormatIndex());
                if (sfondo == sfondi.end()) {
                    sfondo =
                        sfondi.emplace(c.tableCellFormatIndex(), c.format().background()).first;
                }
                if (sfondo->second.style() != Qt::NoBrush) {
                    out_ += "<w:shd w:val=\"clear\" w:color=\"auto\" w:fill=\"";
                    out_ += colore(sfondo->second.color());
                    out_ += "\"/>";
                }
                out_ += "</w:tcPr>";
                bool almenouno = false;
                blocchidi(t, r, k, [&](const QTextBlock& b) {
                    paragrafo(b);
                    almenouno = true;
                });
                if (!almenouno) {
                    out_ += "<w:p/>";
                }
                out_ += "</w:tc>";
            }
            out_ += "</w:tr>";
            tenuto_ = tenuta;
        }
        out_ += "</w:tbl>";
    }

    const QTextDocument& doc_;
    const ProprietaDocx& proprieta_;
    bool tenuto_ = false; // the paragraph or row before is kept with this one
    QString famiglia_;
    double punti_;
    QByteArray out_;
    std::unordered_map<int, Carattere> caratteri_;
    std::map<std::tuple<int, int, bool, long long>, QByteArray> paragrafi_;
    std::map<QRgb, QByteArray> colori_;

  public:
    // Every picture, in document order, once crea has run.
    std::vector<FiguraDocx> immagini_;
};

QByteArray stili() {
    return QByteArray(intestazionexml) + "<w:styles " + spaziow +
           "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Times New Roman\" "
           "w:hAnsi=\"Times New Roman\" w:cs=\"Times New Roman\" w:eastAsia=\"Times New "
           "Roman\"/><w:sz w:val=\"24\"/><w:szCs w:val=\"24\"/><w:lang w:val=\"it-IT\" "
           "w:eastAsia=\"it-IT\" w:bidi=\"ar-SA\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr>"
           "<w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr></w:pPrDefault>"
           "</w:docDefaults><w:style w:type=\"paragraph\" w:default=\"1\" "
           "w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/></w:style><w:style "
           "w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal "
           "Table\"/><w:tblPr><w:tblInd w:w=\"0\" w:type=\"dxa\"/><w:tblCellMar><w:top w:w=\"0\" "
           "w:type=\"dxa\"/><w:left w:w=\"108\" w:type=\"dxa\"/><w:bottom w:w=\"0\" "
           "w:type=\"dxa\"/><w:right w:w=\"108\" "
           "w:type=\"dxa\"/></w:tblCellMar></w:tblPr></w:style></w:styles>";
}

QByteArray impostazioni() {
    return QByteArray(intestazionexml) + "<w:settings " + spaziow +
           "><w:defaultTabStop w:val=\"708\"/><w:characterSpacingControl "
           "w:val=\"doNotCompress\"/></w:settings>";
}

QByteArray tipi(bool piede) {
    return QByteArray(intestazionexml) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Default Extension=\"png\" ContentType=\"image/png\"/>"
           "<Override PartName=\"/word/document.xml\" "
           "ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
           "<Override PartName=\"/word/styles.xml\" "
           "ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
           "<Override PartName=\"/word/settings.xml\" "
           "ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>" +
           (piede ? QByteArray("<Override PartName=\"/word/footer1.xml\" "
                               "ContentType=\"application/"
                               "vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>")
                  : QByteArray()) +
           "<Override PartName=\"/docProps/core.xml\" "
           "ContentType=\"application/vnd.openxmlformats-package.core-properties+xml\"/>"
           "<Override PartName=\"/docProps/app.xml\" "
           "ContentType=\"application/"
           "vnd.openxmlformats-officedocument.extended-properties+xml\"/>"
           "</Types>";
}

QByteArray relazioni() {
    return QByteArray(intestazionexml) +
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "officeDocument\" Target=\"word/document.xml\"/>"
           "<Relationship Id=\"rId2\" "
           "Type=\"http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
           "core-properties\" Target=\"docProps/core.xml\"/>"
           "<Relationship Id=\"rId3\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "extended-properties\" Target=\"docProps/app.xml\"/>"
           "</Relationships>";
}

QByteArray relazionidocumento(bool piede, std::size_t immagini) {
    QByteArray figure;
    for (std::size_t n = 1; n <= immagini; ++n) {
        figure += "<Relationship Id=\"" + idimmagine(n) +
                  "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                  "relationships/image\" Target=\"media/immagine" +
                  QByteArray::number(static_cast<qulonglong>(n)) + ".png\"/>";
    }
    return QByteArray(intestazionexml) +
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" "
           "Target=\"styles.xml\"/>"
           "<Relationship Id=\"rId2\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "settings\" Target=\"settings.xml\"/>" +
           (piede ? "<Relationship Id=\"" + QByteArray(idpiede) +
                        "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                        "relationships/footer\" Target=\"footer1.xml\"/>"
                  : QByteArray()) +
           figure + "</Relationships>";
}

QByteArray nucleo(const QString& titolo, const QString& autore) {
    const QByteArray ora =
        QDateTime::currentDateTimeUtc().toString("yyyy-MM-ddTHH:mm:ssZ").toLatin1();
    return QByteArray(intestazionexml) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" "
           "xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"><dc:title>" +
           attributo(titolo) + "</dc:title>" +
           (autore.isEmpty() ? QByteArray()
                             : "<dc:creator>" + attributo(autore) + "</dc:creator>") +
           "<dc:language>it-IT</dc:language>"
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
           ora + "</dcterms:created><dcterms:modified xsi:type=\"dcterms:W3CDTF\">" + ora +
           "</dcterms:modified></cp:coreProperties>";
}

QByteArray applicazione(int pagine) {
    return QByteArray(intestazionexml) +
           "<Properties "
           "xmlns=\"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties\">"
           "<Application>Zocal</Application><Pages>" +
           numero(pagine) + "</Pages></Properties>";
}

// "pag. N di M" in small type, centred, from the page's own fields.
QByteArray piede(const QTextDocument& documento) {
    const QByteArray fam = attributo(documento.defaultFont().family());
    const QByteArray mezzi = numero(std::llround(ip::piedepunti * 2));
    const QByteArray rpr = "<w:rPr><w:rFonts w:ascii=\"" + fam + "\" w:hAnsi=\"" + fam +
                           "\" w:cs=\"" + fam + "\" w:eastAsia=\"" + fam + "\"/><w:sz w:val=\"" +
                           mezzi + "\"/><w:szCs w:val=\"" + mezzi + "\"/></w:rPr>";
    auto testo = [&](const char* t) {
        return "<w:r>" + rpr + "<w:t xml:space=\"preserve\">" + QByteArray(t) + "</w:t></w:r>";
    };
    auto campo = [&](const char* istruzione, const char* risultato) {
        return "<w:fldSimple w:instr=\" " + QByteArray(istruzione) + " \"><w:r>" + rpr + "<w:t>" +
               QByteArray(risultato) + "</w:t></w:r></w:fldSimple>";
    };
    return QByteArray(intestazionexml) + "<w:ftr " + spaziow +
           "><w:p><w:pPr><w:jc w:val=\"center\"/>" +
           spaziatura(std::llround(ip::piedepunti * ip::interlinea * 20)) + "</w:pPr>" +
           testo("pag. ") + campo("PAGE", "2") + testo(" di ") + campo("NUMPAGES", "2") +
           "</w:p></w:ftr>";
}

} // namespace

std::vector<std::pair<std::string, QByteArray>> partidocx(const QTextDocument& documento,
                                                          const ProprietaDocx& proprieta,
                                                          std::vector<FiguraDocx>* figure) {
    Documento corpo(documento, proprieta);
    QByteArray testo = corpo.crea();
    std::vector<std::pair<std::string, QByteArray>> parti{
        {"[Content_Types].xml", tipi(proprieta.numerate)},
        {"_rels/.rels", relazioni()},
        {"word/document.xml", std::move(testo)},
        {"word/_rels/document.xml.rels",
         relazionidocumento(proprieta.numerate, corpo.immagini_.size())},
        {"word/styles.xml", stili()},
        {"word/settings.xml", impostazioni()},
        {"docProps/core.xml",
         nucleo(proprieta.titolo.isEmpty() ? documento.begin().text() : proprieta.titolo,
                proprieta.autore)},
        {"docProps/app.xml", applicazione(proprieta.pagine)},
    };
    if (proprieta.numerate) {
        parti.emplace_back("word/footer1.xml", piede(documento));
    }
    if (figure != nullptr) {
        *figure = std::move(corpo.immagini_);
    } else {
        figuredocx(corpo.immagini_, parti);
    }
    return parti;
}

void figuredocx(const std::vector<FiguraDocx>& figure,
                std::vector<std::pair<std::string, QByteArray>>& parti,
                const disegni::Pronte* pronte) {
    for (const FiguraDocx& f : figure) {
        if (pronte != nullptr) {
            if (auto it = pronte->find({f.disegno, f.larghezza, f.altezza}); it != pronte->end()) {
                parti.emplace_back(f.nome, it->second);
                continue;
            }
        }
        parti.emplace_back(f.nome, disegni::png(*f.disegno, f.larghezza, f.altezza));
    }
}

QByteArray creadocx(const QTextDocument& documento, const ProprietaDocx& proprieta) {
    return comprimi(partidocx(documento, proprieta)).value_or(QByteArray());
}

std::optional<QByteArray> comprimi(const std::vector<std::pair<std::string, QByteArray>>& parti,
                                   std::string* errore) {
    std::vector<ParteZip> elenco;
    elenco.reserve(parti.size());
    for (const auto& [nome, dati] : parti) {
        elenco.push_back(
            {nome, std::string_view(dati.constData(), static_cast<std::size_t>(dati.size()))});
    }
    std::optional<std::string> zip = creazip(elenco, errore);
    if (!zip) {
        return std::nullopt;
    }
    return QByteArray(zip->data(), static_cast<qsizetype>(zip->size()));
}

} // namespace zocal
