#pragma once

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace zocal {

// The help and information windows, by name, in the order the exit closes them.
const std::vector<std::string>& finestreausiliarie();

// The caption of a help or information window.
QString titoloausiliaria(const std::string& nome);

// A plain page standing for a help or information window that this version
// of the program does not have yet; closing it hides it.
class PaginaProvvisoria : public QWidget {
    Q_OBJECT
  public:
    explicit PaginaProvvisoria(const std::string& nome, QWidget* parent = nullptr);
    const std::string& nome() const { return nome_; }

  private:
    std::string nome_;
};

} // namespace zocal
