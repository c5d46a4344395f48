#include "app/ausgabebox.h"

#include "app/mainwindowlayout.h"
#include "app/menutable.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "catalogue/cataloguecomponent.h"
#include "catalogue/data1.h"
#include "common/events.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "player/playercomponent.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QTableView>
#include <cmath>

namespace klangtruhe {

Ausgabebox::Ausgabebox(std::unique_ptr<Program> program)
    : m_program(std::move(program))
{
    setObjectName(QStringLiteral("Ausgabebox"));
    setWindowTitle(QStringLiteral("Klangtruhe-Player"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto *area = new QWidget(this);
    area->setObjectName(QStringLiteral("AusgabeboxFlaeche"));
    setCentralWidget(area);
    buildMenuBar(*this);
    m_status = new StatusBar(this);
    setStatusBar(m_status);

    m_catalogue = new CatalogueComponent(*m_program, *this, *m_status);
    m_player = new PlayerComponent(*m_program, *this, *m_status, *m_catalogue);
    // Clicking any panel shows the playing entry.
    connect(m_status, &StatusBar::panelClicked, m_player, &PlayerComponent::AktuelleCDanzeigen);

    if (QAction *quit = findChild<QAction *>(QStringLiteral("mnuBeenden"))) {
        quit->setEnabled(true);
        connect(quit, &QAction::triggered, this, &Ausgabebox::Beenden);
    }
    resize(twipsSize(15225, 10725));
}

Ausgabebox::~Ausgabebox() = default;

void Ausgabebox::RegistryLesen()
{
    SettingsStore &settings = m_program->settings;
    // Each step stands alone: a value that does not convert leaves its target as it was.
    double state = 0;
    bool movable = true;
    if (parseStoredNumber(settings.read(keys::WindowState), state)) {
        if (state == 1) {
            setWindowState(Qt::WindowMinimized);
            movable = false;
        } else if (state == 2) {
            setWindowState(Qt::WindowMaximized);
            movable = false;
        } else if (state == 0) {
            setWindowState(Qt::WindowNoState);
        }
    }
    if (movable) {
        QRect bounds = geometry();
        double value = 0;
        if (parseStoredNumber(settings.read(keys::AusgabeboxLeft), value))
            bounds.moveLeft(twipsToPixelsX(value));
        if (parseStoredNumber(settings.read(keys::AusgabeboxTop), value))
            bounds.moveTop(twipsToPixelsY(value));
        if (parseStoredNumber(settings.read(keys::AusgabeboxWidth), value) && value > 0)
            bounds.setWidth(twipsToPixelsX(value));
        if (parseStoredNumber(settings.read(keys::AusgabeboxHeight), value) && value > 0)
            bounds.setHeight(twipsToPixelsY(value));
        setGeometry(bounds);
    }

    // "Laufschrift", "WinMediaPlayer", "WinMediaPlayerVisualisierung".
    m_player->readSettings();

    // Program font: the grid now, the detail fields as they join.
    QFont font = m_catalogue->grid()->font();
    font.setFamily(settings.read(keys::ProgSchriftName));
    double size = 0;
    if (parseStoredNumber(settings.read(keys::ProgSchriftSize), size) && size > 0)
        font.setPointSizeF(size);
    m_catalogue->grid()->setFont(font);

    m_catalogue->loadRecentList();
}

void Ausgabebox::storePlacement()
{
    SettingsStore &settings = m_program->settings;
    if (isMinimized())
        return;
    if (isMaximized()) {
        settings.write(keys::WindowState, QStringLiteral("2"));
        return;
    }
    const QRect bounds = normalGeometry().isValid() ? normalGeometry() : geometry();
    settings.write(keys::WindowState, QStringLiteral("0"));
    settings.write(keys::AusgabeboxLeft, QString::number(std::lround(pixelsToTwipsX(bounds.left()))));
    settings.write(keys::AusgabeboxTop, QString::number(std::lround(pixelsToTwipsY(bounds.top()))));
    settings.write(keys::AusgabeboxWidth, QString::number(std::lround(pixelsToTwipsX(bounds.width()))));
    settings.write(keys::AusgabeboxHeight, QString::number(std::lround(pixelsToTwipsY(bounds.height()))));
}

void Ausgabebox::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        m_unloaded = true;
        storePlacement();
        m_catalogue->storeColumnWidths();
        // The program ends with its main window, without waiting for other windows.
        QCoreApplication::exit(0);
    }
    event->accept();
}

void Ausgabebox::Beenden()
{
    if (m_program->closingAll)
        return;
    m_program->closingAll = true;
    DatabaseError error;
    m_catalogue->data().refresh(error); // stores a pending edit of the current entry
    doEvents();
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    close();
    doEvents();
}

void Ausgabebox::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void Ausgabebox::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void Ausgabebox::applyLayout()
{
    const QWidget *area = centralWidget();
    if (!area)
        return;
    const QSizeF inner(pixelsToTwipsX(area->width()), pixelsToTwipsY(area->height()));
    const MainWindowGeometry g = mainWindowGeometry(inner, 0);
    // Sizes that would be invalid are skipped; the control keeps its last place.
    if (g.grid.width() > 0 && g.grid.height() > 0)
        m_catalogue->grid()->setGeometry(twipsRect(g.grid.left(), g.grid.top(), g.grid.width(), g.grid.height()));
    m_player->applyLayout(inner.width());
}

} // namespace klangtruhe
