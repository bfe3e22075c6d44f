#include "zocal/printouts/registratore.h"

#include "zocal/printouts/foglio.h"

#include <cmath>

namespace zocal {

double altezzariga(double punti) {
    // Ascent plus descent of the face, 2320 units of 2048 to the em.
    return punti * 20.0 * 2320.0 / 2048.0;
}

void RegistratoreStampa::conta() {
    if (finito_) {
        // A new document starts on a new sheet.
        precedenti_.push_back(std::move(righe_));
        righe_.clear();
        twip_ = 0;
        finito_ = false;
    }
    ++operazioni_;
    if (guastoallaoperazione && operazioni_ >= *guastoallaoperazione) {
        throw GuastoStampante("Stampa interrotta: la stampante non risponde.");
    }
}

RegistratoreStampa::Riga& RegistratoreStampa::corrente() {
    if (righe_.empty()) {
        righe_.push_back({{}, punti_, carattere_, twip_});
    }
    return righe_.back();
}

void RegistratoreStampa::carattere(std::string_view nome) {
    conta();
    carattere_ = std::string(nome);
    corrente().carattere = carattere_;
}

void RegistratoreStampa::dimensione(double punti) {
    conta();
    punti_ = punti;
    corrente().punti = punti;
}

void RegistratoreStampa::posizioneverticale(double twip) {
    conta();
    twip_ = twip;
    corrente().twip = twip;
}

void RegistratoreStampa::scrivi(double colonna, std::string_view testo) {
    conta();
    Riga& r = corrente();
    const std::u32string t = caratteristampabili(testo);
    const auto inizio = static_cast<std::size_t>(std::max(0L, std::lround(colonna) - 1));
    if (r.celle.size() < inizio + t.size()) {
        r.celle.resize(inizio + t.size(), U' ');
    }
    r.celle.replace(inizio, t.size(), t);
}

void RegistratoreStampa::nuovalinea() {
    conta();
    Riga& r = corrente();
    r.punti = punti_;
    twip_ = r.twip + altezzariga(punti_);
    righe_.push_back({{}, punti_, carattere_, twip_});
}

double RegistratoreStampa::colonne() const {
    return larghezzapunti > 0 ? larghezzapunti / (0.6 * punti_) : 0;
}

void RegistratoreStampa::fine() {
    conta();
    ++documenti_;
    finito_ = true;
}

std::size_t RegistratoreStampa::nrighe() const {
    if (!righe_.empty() && righe_.back().celle.empty()) {
        return righe_.size() - 1;
    }
    return righe_.size();
}

std::string RegistratoreStampa::testo(std::size_t n) const {
    if (n >= righe_.size()) {
        return {};
    }
    const std::u32string& c = righe_[n].celle;
    const auto fine = c.find_last_not_of(U' ');
    return utf8(fine == std::u32string::npos ? std::u32string_view{}
                                             : std::u32string_view(c).substr(0, fine + 1));
}

std::string RegistratoreStampa::tutto() const {
    std::string out;
    for (std::size_t n = 0; n < nrighe(); ++n) {
        out += testo(n);
        out += '\n';
    }
    return out;
}

int RegistratoreStampa::colonnadi(std::size_t n, std::string_view cercato) const {
    if (n >= righe_.size()) {
        return 0;
    }
    const auto pos = righe_[n].celle.find(caratteristampabili(cercato));
    return pos == std::u32string::npos ? 0 : static_cast<int>(pos) + 1;
}

int RegistratoreStampa::rigadi(std::string_view cercato) const {
    const std::u32string c = caratteristampabili(cercato);
    for (std::size_t n = 0; n < righe_.size(); ++n) {
        if (righe_[n].celle.find(c) != std::u32string::npos) {
            return static_cast<int>(n);
        }
    }
    return -1;
}

Stampante* SceltaRegistrata::scegli() {
    ++richieste;
    if (guasto) {
        throw GuastoStampante(*guasto);
    }
    return annulla ? nullptr : &registratore;
}

} // namespace zocal
