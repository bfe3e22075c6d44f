#include "dialoghifinti.h"
#include "zocal/report/documento.h"
#include "zocal/windows/visore.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string contenuto(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Opens the preview of a short document and prints it as a user does who
// picks "print to file" in its printer dialog.
void stampadallanteprima(zocal::VisoreQt& visore, const fs::path& file) {
    auto documento = std::make_unique<zocal::ScrittoreDocumento>();
    documento->scrivi("Relazione di prova");
    visore.anteprima(std::move(documento), nullptr, "Anteprima");
    QPrintPreviewDialog* finestra = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* f = qobject_cast<QPrintPreviewDialog*>(w); f != nullptr && f->isVisible()) {
            finestra = f;
        }
    }
    ASSERT_NE(finestra, nullptr);
    finestra->printer()->setOutputFormat(QPrinter::PdfFormat);
    finestra->printer()->setOutputFileName(QString::fromStdString(file.string()));
    auto* vista = finestra->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(vista, nullptr);
    vista->print();
    finestra->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(VisoreQt, StampaSuFileDallAnteprimaSalvataComeUnLavoro) {
    const fs::path cartella =
        fs::temp_directory_path() / ("zocal-visore-" + std::to_string(::getpid()));
    fs::remove_all(cartella);
    fs::create_directories(cartella);
    DialoghiFinti dialoghi;
    zocal::VisoreQt visore(dialoghi);

    const fs::path nuovo = cartella / "relazione.pdf";
    stampadallanteprima(visore, nuovo);
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(contenuto(nuovo).substr(0, 5), "%PDF-");

    // A read-only file keeps its bytes, whatever the rights of the user.
    const fs::path bloccato = cartella / "bloccato.pdf";
    std::ofstream(bloccato) << "vecchio";
    fs::permissions(bloccato, fs::perms::owner_read | fs::perms::group_read);
    stampadallanteprima(visore, bloccato);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0],
              (zocal::Messaggio{"Impossibile salvare il file \"" + bloccato.string() +
                                    "\": il file è in sola lettura",
                                zocal::Icona::stop, "Zocal: stampa non riuscita"}));
    EXPECT_EQ(contenuto(bloccato), "vecchio");

    // A pipe is neither opened (nothing waits for a reader) nor replaced.
    const fs::path tubo = cartella / "tubo.pdf";
    ASSERT_EQ(::mkfifo(tubo.c_str(), 0644), 0);
    stampadallanteprima(visore, tubo);
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(dialoghi.mostrati[1].testo,
              "Impossibile salvare il file \"" + tubo.string() + "\": non è un file ordinario");
    EXPECT_TRUE(fs::is_fifo(tubo));

    int file = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(cartella)) {
        ++file;
    }
    EXPECT_EQ(file, 3) << "no temporary file is left behind";
    fs::remove_all(cartella);
}

} // namespace
