#pragma once

#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace zocal {

inline constexpr const char* nomesuggerimenti = "SuggerimentiZocal.TXT";

// The tip of the day: one line of the tips file at a time. "&Successivo"
// goes on and wraps from the last tip to the first, "&Precedente" goes back
// and stops at the first. The file is read once, when the window is made;
// closing only hides the window, which keeps its tip.
class frmTip : public QWidget {
    Q_OBJECT
  public:
    // Reads the tips from `file` (Form_Load).
    explicit frmTip(const std::filesystem::path& file, QWidget* parent = nullptr);

    // The text shown in place of a tip when the tips file is missing.
    static QString testomancante();

    // Appends every line of the file to TipList and shows the next tip;
    // false (and nothing read) when the name is empty, no such file exists
    // or it cannot be read.
    bool LoadTips(const std::filesystem::path& file);
    void ShowNextTip();
    void DisplayCurrentTip();

    const std::vector<std::string>& TipList() const { return TipList_; }
    std::int32_t TipIndex() const { return TipIndex_; }

    QLabel* immagine;
    QLabel* intestazione;
    QLabel* lblTipText;
    QPushButton* cmdprecedente;
    QPushButton* cmdNextTip;
    QPushButton* cmdOK;

  public slots:
    void cmdNextTip_Click();
    void cmdprecedente_Click();
    void cmdOK_Click();

  private:
    void Form_Load(const std::filesystem::path& file);

    std::vector<std::string> TipList_;
    std::int32_t TipIndex_ = 0;
    std::string errore_; // why a file that exists could not be read
};

// The lines of a tips file's text: every line is one tip, an empty one too;
// CR LF, LF or CR end a line, and the end of the last line needs none.
std::vector<std::string> righesuggerimenti(std::string_view testo);

} // namespace zocal
