#include "app/framecomponent.h"

#include "app/icons.h"
#include "app/program.h"
#include "app/statusbar.h"
#include "common/cpuload.h"
#include "common/fontdialog.h"
#include "common/frminfo.h"
#include "common/helpactions.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "common/tipbox.h"
#include "common/uifont.h"
#include "common/wincolour.h"
#include "common/wheelhook.h"
#include "platform/externaltools.h"

#include <QAction>
#include <QFontDialog>
#include <QMainWindow>
#include <QTimer>

namespace klangtruhe {

void applyProgramFont(QMainWindow &window, const QString &family, double pointSize, bool atStartUp)
{
    // In the order the font dialog applies it; at start-up the playlist file
    // list and the Songs box get it too.
    QStringList names = {"TextBand", "TextKaufdatum", "TextLPTitel", "TextPreis", "TextMedium",
                         "TextPlattenfirma", "TextBestellNr", "TextInfo", "TextStil", "TextMusikpfad",
                         "cboBildpfad", "MSFlexGrid1", "lvwPlaylist"};
    if (atStartUp)
        names << QStringLiteral("filPlaylist") << QStringLiteral("TextSongs");
    const QFont font = uiFont(family, pointSize);
    for (const QString &name : names) {
        if (auto *control = window.findChild<QWidget *>(name))
            control->setFont(font);
    }
}

FrameComponent::FrameComponent(Program &program, QMainWindow &window, StatusBar &status)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_status(status)
    , m_timer4(new QTimer(this))
    , m_wheel(new WheelHook(this))
{
    window.setWindowIcon(klangtruheIcon(QStringLiteral("klangtruhe-player")));
    m_timer4->setObjectName(QStringLiteral("Timer4"));
    m_timer4->setInterval(1000);
    connect(m_timer4, &QTimer::timeout, this, &FrameComponent::Timer4_Timer);
    m_wheel->attachTo(&window);
    // Shown after the handler that wrote has finished, never in its middle.
    program.settings.setWriteFailureReport([this](const QString &text) {
        QTimer::singleShot(0, this, [this, text] {
            MsgLumo(m_program, &m_window, text, 3, 0, QStringLiteral("Einstellungen"), 1, colours::DialogBack,
                    colours::DialogText);
        });
    });

    QWidget *w = &window;
    connectEntry("Menu_Hilfe", [this, w] { mnuHilfe(m_program, w); });
    connectEntry("MenuInfo", [this, w] { showInfo(m_program, w); });
    connectEntry("mnuReadMe", [this, w] { mnuReadMe(m_program, w); });
    connectEntry("MenuTipOfDay", [this, w] { showTips(m_program, w); });
    connectEntry("mnuNutzungslizenz", [this, w] { mnuNutzungslizenz(m_program, w); });
    connectEntry("mnuUpdateSuchen", [this, w] { mnuUpdateSuchen(m_program, w); });
    connectEntry("mnuWebsiteAufrufen", [this, w] { mnuWebsiteAufrufen(m_program, w); });
    connectEntry("mnuCDplayer", [this, w] { mnuCDplayer(m_program, w); });
    connectEntry("mnuDVDplayer", [this, w] { mnuDVDplayer(m_program, w); });
    connectEntry("mnuWebCam", [this, w] { mnuWebCam(m_program, w); });
    connectEntry("mnuKlangtruhe", [this, w] {
        mnuKlangtruhe(m_program, w, closeMiniPlayer ? closeMiniPlayer : [] {},
                      closeAllWindows ? closeAllWindows : [] {});
    });
    connectEntry("mnuProgSchrift", [this] { mnuProgSchrift_Click(); });
    hideMissingWindowsTools();
}

void FrameComponent::hideMissingWindowsTools()
{
    if (windowsToolsRunHere())
        return;
    // The companion tools are Windows programs; a build of one for this system
    // in the program folder keeps its entry.
    const struct {
        const char *action;
        const char *tool;
    } tools[] = {{"mnuCDplayer", "Rundling.exe"},
                 {"mnuDVDplayer", "Bildling.exe"},
                 {"mnuWebCam", "Blickling.exe"},
                 {"mnuKlangtruhe", "Klangtruhe.exe"}};
    for (const auto &entry : tools) {
        auto *action = m_window.findChild<QAction *>(QString::fromLatin1(entry.action));
        if (action && companionExecutable(m_program.programFolder, QString::fromLatin1(entry.tool)).isEmpty())
            action->setVisible(false);
    }
}

FrameComponent::~FrameComponent() = default;

void FrameComponent::connectEntry(const char *name, std::function<void()> handler)
{
    auto *action = m_window.findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        return;
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

void FrameComponent::startLoadDisplay()
{
    m_timer4->start();
}

void FrameComponent::Timer4_Timer()
{
    if (!m_load)
        m_load = std::make_unique<LoadDisplay>(m_program.platform());
    m_load->tick();
    m_status.setPanel(4, m_load->cpuText());
    m_status.setPanel(5, m_load->ramText());
}

void FrameComponent::mnuProgSchrift_Click()
{
    const QString name = m_program.settings.read(keys::ProgSchriftName);
    const QString size = m_program.settings.read(keys::ProgSchriftSize, QString::fromLatin1(keys::kFontDialogFontSize));
    MsgLumo(m_program, &m_window,
            QStringLiteral("Schriftname: ") + name + QStringLiteral("\r\nSchriftgröße: ") + size, 1, 0,
            QStringLiteral("Programm-Schriftart"), 1, 0xF4EAE3, 0x352300);
    double pointSize = 0;
    if (!parseStoredNumber(size, pointSize) || pointSize <= 0)
        pointSize = 12;
    QWidget *w = &m_window;
    const std::unique_ptr<QFontDialog> dialog = makeFontDialog(uiFont(name, pointSize), w, QStringLiteral("Programmschrift"),
                                                               [this, w] { mnuHilfe(m_program, w); });
    dialog->setObjectName(QStringLiteral("dlgProgrammschrift"));
    if (dialog->exec() != QDialog::Accepted)
        return; // cancelling is not reported
    const QFont chosen = dialog->selectedFont();
    m_program.settings.write(keys::ProgSchriftName, chosen.family());
    m_program.settings.write(keys::ProgSchriftSize, QString::number(chosen.pointSizeF()));
    applyProgramFont(m_window, chosen.family(), chosen.pointSizeF(), false);
}

} // namespace klangtruhe
