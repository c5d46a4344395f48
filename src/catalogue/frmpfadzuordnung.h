#pragma once

#include <QDialog>
#include <QStringList>

class QTableWidget;

namespace klangtruhe {

class Program;

// "Pfadzuordnung": the pairs of the path map, a stored prefix such as
// "D:\Musik\" and the folder where those files lie here. "&OK" stores them
// (setting "Pfadzuordnung") and the program reads through them at once.
class frmPfadzuordnung : public QDialog {
    Q_OBJECT
public:
    // newPrefixes get a row each with the folder still to be chosen.
    frmPfadzuordnung(Program &program, const QStringList &newPrefixes, QWidget *parent = nullptr);

private:
    void addRow(const QString &stored, const QString &local);
    void cmdOrdner_Click();
    void cmdOK_Click();

    Program &m_program;
    QTableWidget *m_pairs;
};

} // namespace klangtruhe
