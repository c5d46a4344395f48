#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QListWidget;
class QMainWindow;

namespace klangtruhe {

class Program;

// The main window's play-exclusion lists: the hidden lists
// `lstAbspielausschluss` (styles) and `lstBandAusschluss` (bands), loaded at
// start-up and after their dialogs, and the two menu entries of "&Optionen".
class ExclusionComponent : public QObject {
    Q_OBJECT
public:
    ExclusionComponent(Program &program, QMainWindow &window, std::function<QStringList()> tableBands);

    void AbspielausschlusslisteLaden();
    void BandAbspielausschlusslisteLaden();

    QStringList styles() const;
    QStringList bands() const;

    void mnuStilrichtungAusschliessen_Click();
    void mnuBandAusschliessen_Click();

private:
    void load(QListWidget *list, const QString &fileName, const QString &procedure);

    Program &m_program;
    QMainWindow &m_window;
    std::function<QStringList()> m_tableBands;
    QListWidget *m_styles;
    QListWidget *m_bands;
};

} // namespace klangtruhe
