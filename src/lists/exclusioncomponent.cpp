#include "lists/exclusioncomponent.h"

#include "app/program.h"
#include "common/busypointer.h"
#include "common/msglumo.h"
#include "common/positionform.h"
#include "lists/exclusiondialog.h"
#include "lists/listfiles.h"

#include <QAction>
#include <QListWidget>
#include <QMainWindow>

namespace klangtruhe {

ExclusionComponent::ExclusionComponent(Program &program, QMainWindow &window, std::function<QStringList()> tableBands)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_tableBands(std::move(tableBands))
{
    m_styles = new QListWidget(&window);
    m_styles->setObjectName(QStringLiteral("lstAbspielausschluss"));
    m_styles->hide();
    m_bands = new QListWidget(&window);
    m_bands->setObjectName(QStringLiteral("lstBandAusschluss"));
    m_bands->hide();

    if (auto *styleEntry = window.findChild<QAction *>(QStringLiteral("mnuStilrichtungAusschliessen"))) {
        styleEntry->setEnabled(true);
        connect(styleEntry, &QAction::triggered, this, &ExclusionComponent::mnuStilrichtungAusschliessen_Click);
    }
    if (auto *bandEntry = window.findChild<QAction *>(QStringLiteral("mnuBandAusschliessen"))) {
        bandEntry->setEnabled(true);
        connect(bandEntry, &QAction::triggered, this, &ExclusionComponent::mnuBandAusschliessen_Click);
    }
}

void ExclusionComponent::load(QListWidget *list, const QString &fileName, const QString &procedure)
{
    FileError error;
    const auto lines = readListFile(m_program.programFolder + fileName, &error);
    if (!lines)
        return; // no file: the list keeps what it held
    if (error.number != 0) {
        failureReport(m_program, &m_window, procedure, error.number, error.description);
        return;
    }
    BusyPointer busy;
    list->clear();
    list->addItems(*lines);
}

void ExclusionComponent::AbspielausschlusslisteLaden()
{
    load(m_styles, QStringLiteral("AusschlussAbspielliste.ini"), QStringLiteral("Ausgabebox_AbspielausschlusslisteLaden"));
}

void ExclusionComponent::BandAbspielausschlusslisteLaden()
{
    load(m_bands, QStringLiteral("BandAusschlussAbspielliste.ini"),
         QStringLiteral("Ausgabebox_BandAbspielausschlusslisteLaden"));
}

QStringList ExclusionComponent::styles() const
{
    QStringList items;
    for (int i = 0; i < m_styles->count(); ++i)
        items << m_styles->item(i)->text();
    return items;
}

QStringList ExclusionComponent::bands() const
{
    QStringList items;
    for (int i = 0; i < m_bands->count(); ++i)
        items << m_bands->item(i)->text();
    return items;
}

void ExclusionComponent::mnuStilrichtungAusschliessen_Click()
{
    m_program.settings.write(keys::Ausschlussliste, QStringLiteral("Abspielen"));
    {
        ExclusionDialog dialog(m_program, ExclusionDialog::Kind::Styles, m_tableBands, &m_window);
        PositionForm(&dialog, &m_window, QStringLiteral("center"), 10);
        dialog.exec();
    }
    m_program.StilAusgeschlossen = false;
    AbspielausschlusslisteLaden();
}

void ExclusionComponent::mnuBandAusschliessen_Click()
{
    m_program.settings.write(keys::BandAusschlussliste, QStringLiteral("Abspielen"));
    {
        ExclusionDialog dialog(m_program, ExclusionDialog::Kind::Bands, m_tableBands, &m_window);
        PositionForm(&dialog, &m_window, QStringLiteral("center"), 10);
        dialog.exec();
    }
    BandAbspielausschlusslisteLaden();
}

} // namespace klangtruhe
