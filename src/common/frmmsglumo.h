#pragma once

#include "common/msglumorules.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class QTimer;

namespace klangtruhe {

// The program's own message window. MsgLumo (msglumo.h) creates one per call,
// sets it up, shows it and reads the answer; the window itself only knows its
// controls, the default-button rule, the countdown and the answer words.
//
// Window sizes are kept as the outer size of a fixed dialog frame; Qt sizes a
// window by its client area (the frame belongs to the window manager and is
// unknown before the first show), so the client area is the outer size less a
// nominal frame of msglumo::FrameWidth × msglumo::FrameHeight twips.
class frmMsgLumo : public QDialog {
    Q_OBJECT
public:
    explicit frmMsgLumo(QWidget *parent = nullptr);

    // Colours, title, icon and buttons of the kind, the text, and the size the
    // wrapped text needs.
    void setUp(const QString &text, int kind, int defaultButton, const QString &title, quint32 backColour,
               quint32 foreColour);
    // seconds ≥ 2 counts down in the title once a second and hides the window
    // at 0; below 2 the window waits for an answer.
    void setCountdown(int seconds);

    // The answer word of the button clicked; "" otherwise.
    QString answer() const { return m_answer; }
    const msglumo::Layout &layout() const { return m_layout; }
    int displayLines() const { return m_displayLines; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Activate();
    void cmdButton_Click(int index);
    void Timer_Timer();
    void applyLayout();

    QLabel *m_icons[4] = {};
    QTextEdit *m_txtMsgText = nullptr;
    QFrame *m_fraMsgButton = nullptr;
    QPushButton *m_buttons[msglumo::ButtonCount] = {};
    QTimer *m_timer = nullptr;

    QString m_answer;
    QString m_savedTitle;
    int m_defaultButton = msglumo::NoDefaultButton;
    int m_countdown = 0;
    int m_displayLines = 1;
    bool m_activated = false;
    msglumo::Layout m_layout;
};

} // namespace klangtruhe
