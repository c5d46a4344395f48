#pragma once

#include "catalogue/columndialogrules.h"

#include <QDialog>
#include <functional>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace klangtruhe {

class Program;

// "&Tabellenspalten anordnen...": which fields the grid shows, in which
// order. Edits the stored layout and "TableNotSort"; the grid is rebuilt by
// the caller after the dialog closes.
class frmSpaltenAnordnen : public QDialog {
    Q_OBJECT
public:
    frmSpaltenAnordnen(Program &program, QWidget *parent = nullptr);

    // "&Hilfe" opens this topic of the help file.
    std::function<void(const QString &topic)> showHelp;

    ColumnLists lists() const;

private:
    void fill(const ColumnLists &lists);
    void cmdEinfuegen_Click();
    void cmdEntfernen_Click();
    void cmdHochTief_Click(int index);
    void cmdStandard_Click();
    void cmdOK_Click();

    Program &m_program;
    QListWidget *m_lstTabelle;
    QListWidget *m_lstSpalten;
    QCheckBox *m_chkNotSort;
    QPushButton *m_up;
    QPushButton *m_down;
};

} // namespace klangtruhe
