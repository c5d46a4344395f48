#pragma once

#include "auxplayers/sleeprules.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QTimer;

namespace klangtruhe {

class Program;

// The sleep time dialog: hours and minutes fields, "&OK" and "E&xit", and a
// caption that shows the time of day. It starts with the current hour and
// minute; sleepZeit() is the confirmed time or "00:00" when none was confirmed.
class frmUhrzeit : public QDialog {
    Q_OBJECT
public:
    frmUhrzeit(Program &program, QWidget *parent, TimeOfDayClock clock);

    QString sleepZeit() const { return m_sleepZeit; }
    QLineEdit *field(int index) const { return m_fields[static_cast<size_t>(index)]; }
    // The choices beside the time, kept in the settings when "&OK" confirms.
    bool sanftAusblenden() const;
    bool nurAnhalten() const;
    // With the shutdown chosen, stopping only is no choice.
    void offerStopOnly(bool offered);

    void Timer1_Timer();
    // Checks the field being left; a value out of range gets a notice.
    void Text1_LostFocus(int index);
    void cmdOK_Click();
    void cmdExit_Click();
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void sendTab();

    Program &m_program;
    TimeOfDayClock m_clock;
    std::array<QLineEdit *, 2> m_fields{};
    QCheckBox *m_sanft;
    QCheckBox *m_nurAnhalten;
    QTimer *m_timer1;
    TwoKeyCounter m_keys;
    QString m_sleepZeit = kNoSleepTime;
    bool m_closing = false;
};

} // namespace klangtruhe
