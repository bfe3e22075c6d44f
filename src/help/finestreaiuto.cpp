#include "zocal/help/finestreaiuto.h"

#include "zocal/archive/datiprogramma.h"

#include "zocal/help/frmtip.h"
#include "zocal/help/informazioni.h"
#include "zocal/help/listino.h"
#include "zocal/help/paginaguida.h"
#include "zocal/help/prodotti.h"
#include "zocal/help/sommario.h"
#include "zocal/help/testi.h"
#include <QCoreApplication>

namespace zocal {

namespace {

std::filesystem::path cartellaeseguibile() {
    return QCoreApplication::instance() != nullptr
               ? std::filesystem::path(QCoreApplication::applicationDirPath().toStdString())
               : std::filesystem::path();
}

} // namespace

FinestreAiuto::FinestreAiuto(Dialoghi& dialoghi, UscitaDocumenti& uscita, ApriIndirizzo& indirizzi,
                             std::function<std::string()> filedati, QObject* parent)
    : QObject(parent), dialoghi_(dialoghi), uscita_(uscita), indirizzi_(indirizzi),
      filedati_(std::move(filedati)) {}

FinestreAiuto::~FinestreAiuto() {
    for (auto& [nome, w] : finestre_) {
        delete w.data();
    }
}

const std::vector<std::string>& FinestreAiuto::nomi() {
    static const std::vector<std::string> elenco{
        "sommario",           "manuale",  "guidacalcolo", "guidadescrizione",
        "guidafrontespizio",  "guidantc", "guidastampa",  "guidaarchivio",
        "guidafunzionamento", "frmTip",   "licenza",      "prodotti",
        "supportoclienti",    "informa"};
    return elenco;
}

void FinestreAiuto::impostamostra(std::function<void(const std::string&)> mostra) {
    mostra_ = std::move(mostra);
}

void FinestreAiuto::impostauscita(std::function<void()> uscita) {
    uscitaprogramma_ = std::move(uscita);
}

QWidget* FinestreAiuto::esistente(const std::string& nome) const {
    const auto i = finestre_.find(nome);
    return i == finestre_.end() ? nullptr : i->second.data();
}

QWidget* FinestreAiuto::finestra(const std::string& nome) {
    if (QWidget* w = esistente(nome)) {
        return w;
    }
    QWidget* w = crea(nome);
    if (w != nullptr) {
        finestre_[nome] = w;
    }
    return w;
}

void FinestreAiuto::mostra(const std::string& nome) {
    if (mostra_) {
        mostra_(nome);
    } else {
        porta(nome);
    }
}

void FinestreAiuto::porta(const std::string& nome) {
    QWidget* w = finestra(nome);
    if (w == nullptr) {
        return;
    }
    w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    w->show();
    w->raise();
    w->activateWindow();
}

QWidget* FinestreAiuto::crea(const std::string& nome) {
    auto alsommario = [this] { mostra("sommario"); };
    if (nome == "sommario") {
        auto* w = new sommario(dialoghi_, uscita_, filedati_);
        connect(w, &sommario::apriRichiesta, this,
                [this](const QString& n) { mostra(n.toStdString()); });
        connect(w, &sommario::uscitaRichiesta, this, [this] {
            if (uscitaprogramma_) {
                uscitaprogramma_();
            }
        });
        return w;
    }
    const PaginaTesto* pagina = nome == "licenza" ? &paginalicenza() : paginaguida(nome);
    if (pagina != nullptr) {
        auto* w = new PaginaGuida(*pagina, dialoghi_, uscita_);
        connect(w, &PaginaGuida::sommarioRichiesto, this, alsommario);
        return w;
    }
    if (nome == "frmTip") {
        std::filesystem::path file = filesuggerimenti_;
        if (file.empty()) {
            const auto cartelle = cartelleprogramma(cartellaeseguibile());
            file = cercafile(nomesuggerimenti, cartelle);
            if (file.empty() && !cartelle.empty()) {
                file = cartelle.front() / nomesuggerimenti;
            }
        }
        return new frmTip(file);
    }
    if (nome == "prodotti") {
        std::filesystem::path file = filelistino_;
        if (file.empty()) {
            // The current folder first: a list put there by the user wins.
            std::vector<std::filesystem::path> cartelle;
            std::error_code ec;
            if (auto qui = std::filesystem::current_path(ec); !ec) {
                cartelle.push_back(std::move(qui));
            }
            for (auto& c : cartelleprogramma(cartellaeseguibile())) {
                cartelle.push_back(std::move(c));
            }
            file = cercafile(nomelistino, cartelle);
        }
        auto* w = new prodotti(file, dialoghi_, uscita_, indirizzi_);
        connect(w, &prodotti::sommarioRichiesto, this, alsommario);
        return w;
    }
    if (nome == "supportoclienti") {
        return new supportoclienti();
    }
    if (nome == "informa") {
        return new informa();
    }
    return nullptr;
}

} // namespace zocal
