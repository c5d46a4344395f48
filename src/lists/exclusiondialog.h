#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QListWidget;
class QCheckBox;
class QPushButton;

namespace klangtruhe {

class Program;

// The two exclusion dialogs share one window: `frmStilausschlussliste`
// offers the styles of "Stilrichtung.ini", `frmBandAusschlussliste` the bands
// of the table as it stands. A ticked entry is excluded; "&OK" writes the
// ticked entries to the file of the dialog's mode.
class ExclusionDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Styles, Bands };

    // For bands, tableBands gives the table's first column (header first).
    ExclusionDialog(Program &program, Kind kind, std::function<QStringList()> tableBands, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }

private:
    void ListeLaden();     // styles
    void ListeErstellen(); // bands
    void tickFromFile(const QString &modeKeyValue, const QString &procedure);
    void cmdOK_Click();
    QString windowName() const;

    Program &m_program;
    Kind m_kind;
    std::function<QStringList()> m_tableBands;
    QListWidget *m_list;
    QCheckBox *m_legend;
};

} // namespace klangtruhe
