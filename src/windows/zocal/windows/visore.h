#pragma once

#include <memory>
#include <string>

class QWidget;

namespace zocal {

class Dialoghi;
class ScrittoreDocumento;

// How a finished document reaches the user's eyes.
class Visore {
  public:
    virtual ~Visore() = default;
    // Opens the saved file with the user's default application; false when
    // none could be started.
    virtual bool apri(const std::string& percorso) = 0;
    // A print preview of our own, for when no application opens the file.
    // Takes the document; the preview does not block the program. Its
    // title names what it shows.
    virtual void anteprima(std::unique_ptr<ScrittoreDocumento> documento, QWidget* genitore,
                           const std::string& titolo) = 0;
};

// The desktop's default application, and Qt's print preview. A PDF file
// chosen in the preview's printer dialog is saved the safe way; a fault is
// shown in a message box.
class VisoreQt : public Visore {
  public:
    explicit VisoreQt(Dialoghi& dialoghi) : dialoghi_(dialoghi) {}
    bool apri(const std::string& percorso) override;
    void anteprima(std::unique_ptr<ScrittoreDocumento> documento, QWidget* genitore,
                   const std::string& titolo) override;

  private:
    Dialoghi& dialoghi_;
};

} // namespace zocal
