#pragma once

#include <QDialog>
#include <QPixmap>
#include <QStringList>

class QFrame;
class QLabel;
class QTimer;

namespace klangtruhe {

class Program;

// The credit block of the info window, one centred line each, in order.
QStringList creditLines(const QString &programName, const QString &version);

// The info window: the program picture and the credits scrolling upwards in
// an endless loop while "Blues.wav" plays. Escape or a click on the picture
// closes it; a click on the credits stops and restarts them.
class frmInfo : public QDialog {
    Q_OBJECT
public:
    frmInfo(Program &program, QWidget *parent = nullptr);

    QTimer *timer() const { return m_timer1; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startCredits();
    void Timer1_Timer();
    void playDefaultSound();

    Program &m_program;
    QWidget *m_picture1 = nullptr;
    QLabel *m_picture2 = nullptr;
    QFrame *m_rahmen = nullptr;
    QLabel *m_bildLumo = nullptr;
    QTimer *m_timer1 = nullptr;
    QStringList m_credits;
    bool m_pictureInset = false;
};

// "&Info": the window centred over the main window, modal.
void showInfo(Program &program, QWidget *mainWindow);

} // namespace klangtruhe
