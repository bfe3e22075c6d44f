#pragma once

#include "zocal/report/scrittore.h"

#include <optional>
#include <string>
#include <vector>

namespace zocal {

// One call made on a writer, with its arguments.
struct Chiamata {
    enum class Tipo {
        avvia,
        carattere,
        corpo,
        scrivi,
        nuovoparagrafo,
        corpoparagrafo,
        testoparagrafo,
        testograssetto,
        nuovatabella,
        corpotabella,
        cella,
        disegno,
        formatotabella,
        righeintestazione,
        tieniinsieme,
        lasciascorrere,
        campopagine,
        numerapagine,
        proprieta,
        contapagine,
        giustificatutto,
        allineadestra,
        salvacome,
    };
    Tipo tipo = Tipo::avvia;
    std::string testo;       // carattere, scrivi, testoparagrafo, cella, salvacome, proprieta
    double punti = 0;        // corpo, corpoparagrafo, corpotabella
    int a = 0;               // rows, row, format, table, heading rows, with the text before
    int b = 0;               // columns, column
    std::string autore = {}; // proprieta
    double altezza = 0;      // disegno: its width is `punti`
    std::shared_ptr<const Disegno> figura = {}; // disegno

    bool operator==(const Chiamata&) const = default;
    // Readable form for test messages: cella(3, 2, "1,80").
    std::string descrizione() const;
};

// A writer that only keeps the calls, so the content of a document can be
// checked without laying anything out.
class ScrittoreRegistratore : public ScrittoreRelazione {
  public:
    struct Tabella {
        int righe = 0;
        int colonne = 0;
        double punti = 0;
        int formato = 0;
        int intestazione = 0;                        // heading rows
        std::vector<std::vector<std::string>> celle; // [riga-1][colonna-1]
    };

    std::vector<Chiamata> chiamate;
    // What contapagine answers.
    int pagine = 1;
    // What salvacome answers.
    std::optional<std::string> erroresalvataggio;

    void avvia() override;
    void carattere(const std::string& nome) override;
    void corpo(double punti) override;
    void scrivi(const std::string& testo) override;
    void nuovoparagrafo() override;
    void corpoparagrafo(double punti) override;
    void testoparagrafo(const std::string& testo) override;
    void testograssetto(const std::string& testo) override;
    void nuovatabella(int righe, int colonne) override;
    void corpotabella(double punti) override;
    void cella(int riga, int colonna, const std::string& testo) override;
    void disegno(std::shared_ptr<const Disegno> disegno, double larghezza, double altezza) override;
    void formatotabella(int formato) override;
    void righeintestazione(int righe) override;
    void tieniinsieme(bool conprecedente) override;
    void lasciascorrere() override;
    void campopagine() override;
    void numerapagine() override;
    void proprieta(const std::string& titolo, const std::string& autore) override;
    int contapagine() override;
    void giustificatutto() override;
    void allineadestra(int tabella, int colonna) override;
    std::optional<std::string> salvacome(const std::string& percorso) override;

    // The tables as the calls built them, in document order. Cells out of
    // range are dropped, as a real table would refuse them.
    std::vector<Tabella> tabelle() const;
    // Every text typed or appended, in call order; a page count field reads
    // as what contapagine answers.
    std::string testo() const;
    // The calls of one kind.
    std::vector<Chiamata> solo(Chiamata::Tipo tipo) const;
};

} // namespace zocal
