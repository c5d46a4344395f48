#pragma once

#include <QObject>
#include <memory>

class QMainWindow;
class QTimer;

namespace klangtruhe {

class LoadDisplay;
class Program;
class StatusBar;
class WheelHook;

// The frame's own duties: the "&?" menu and the companion tools, the load
// display in status panels 4 and 5 (`Timer4`), the mouse wheel while the
// window is active, and the program font dialog.
class FrameComponent : public QObject {
    Q_OBJECT
public:
    FrameComponent(Program &program, QMainWindow &window, StatusBar &status);
    ~FrameComponent() override;

    // Start-up: the load display runs from now on.
    void startLoadDisplay();
    void Timer4_Timer();
    QTimer *timer4() const { return m_timer4; }

    void mnuProgSchrift_Click();

    // What "Klangtruhe starten" closes before the catalogue program starts.
    std::function<void()> closeMiniPlayer;
    std::function<void()> closeAllWindows;

private:
    void connectEntry(const char *name, std::function<void()> handler);
    void hideMissingWindowsTools();

    Program &m_program;
    QMainWindow &m_window;
    StatusBar &m_status;
    std::unique_ptr<LoadDisplay> m_load;
    QTimer *m_timer4;
    WheelHook *m_wheel;
};

// Applies the program font to the detail fields, the grid and the playlist
// view (by their names; controls that do not exist are skipped).
void applyProgramFont(QMainWindow &window, const QString &family, double pointSize, bool atStartUp);

} // namespace klangtruhe
