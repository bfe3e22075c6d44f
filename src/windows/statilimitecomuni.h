#pragma once

// What the parts of the limit-state window share: they are refreshed on
// every keystroke of the job, so only a changed text is ever set.

#include "zocal/core/ntc.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QLineEdit;
class QObject;
class QRegularExpressionValidator;
class QTableWidget;

namespace zocal::finestrantc {

inline QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void cella(QTableWidget* t, int riga, int colonna, const QString& testo, bool destra = true);
void righe(QTableWidget* t, int n);
void testo(QLineEdit* e, const std::string& t);
// Rows of name, value and unit, the value right-aligned.
void tabellarighe(QTableWidget* t, const std::vector<RigaNtc>& voci);

// Decimal-comma numbers only: anything else could not be stored.
QRegularExpressionValidator* numeri(QObject* padre);

} // namespace zocal::finestrantc
