#pragma once

#include "zocal/core/modzocal.h"

#include <QWidget>

#include <string>
#include <string_view>

class QLabel;
class QPushButton;

namespace zocal {

// The about window: the program's name, subtitle and edition line, the
// maker and the protection notice. Its texts are set once, when it is made;
// "OK" hides it.
class informa : public QWidget {
    Q_OBJECT
  public:
    // `codicedata`: the build date as six digits, day, month and year.
    explicit informa(std::string codicedata = codicecompilazione(), QWidget* parent = nullptr);

    // "edizione professionale - versione " + versione, two blanks, the year
    // of dataversione with a leading blank, "- 20" and the last two
    // characters of the build date code.
    static std::string rigaedizione(const ModZocal& mod, std::string_view codicedata);
    // This build's date code, from the compiler's date.
    static std::string codicecompilazione();
    // The four-digit year of a "dd/mm/yy" date: 00-29 are 2000-2029, 30-99
    // are 1930-1999, as two-digit dates have always been read; 0 when there
    // is no year.
    static int annodata(std::string_view data);

    QLabel* lblnome;
    QLabel* lblsottotitolo;
    QLabel* lbledizione;
    QLabel* lblmarchio;
    QLabel* lblsistema;
    QLabel* lblavviso;
    QPushButton* cmdOK;

  public slots:
    void cmdOK_Click();

  private:
    void Form_Load();

    std::string codicedata_;
};

// The customer-support window: the maker's contacts and the terms of the
// support service; "OK" hides it.
class supportoclienti : public QWidget {
    Q_OBJECT
  public:
    explicit supportoclienti(QWidget* parent = nullptr);

    QLabel* lblmarchio;
    QLabel* lblcontatti;
    QLabel* lblsito;
    QLabel* lblservizio;
    QLabel* lbladattamenti;
    QPushButton* Command1;

  public slots:
    void Command1_Click();
};

} // namespace zocal
