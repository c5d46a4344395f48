#pragma once

#include "common/tiprules.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace klangtruhe {

class Program;

// "Tipps und Tricks": one hint at a time from "TipOfDay.ini" in the program
// folder. The tips are read anew each time the window opens.
class Tipbox : public QDialog {
    Q_OBJECT
public:
    Tipbox(Program &program, QWidget *parent = nullptr);

    const TipList &tips() const { return m_tips; }

private:
    void Form_Load();
    void DoNextTip();
    void DisplaypriCurrentTip();
    void chkLoadTipsAtStartup_Click(bool checked);

    Program &m_program;
    TipList m_tips;
    QLabel *m_lblTipText = nullptr;
    QCheckBox *m_chkLoadTipsAtStartup = nullptr;
    QPushButton *m_cmdNextTip = nullptr;
    QPushButton *m_cmdOK = nullptr;
};

// "&Tipps und Tricks": the window centred over the main window, modal.
void showTips(Program &program, QWidget *mainWindow);

} // namespace klangtruhe
