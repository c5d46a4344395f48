#include "auxplayers/frmuhrzeit.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "common/gradient.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "common/wincolour.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace klangtruhe {

namespace {

QLabel *addLabel(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmUhrzeit::frmUhrzeit(Program &program, QWidget *parent, TimeOfDayClock clock)
    : QDialog(parent)
    , m_program(program)
    , m_clock(clock ? std::move(clock) : systemTimeOfDay())
{
    setObjectName(QStringLiteral("frmUhrzeit"));
    setWindowTitle(QStringLiteral("Sleep"));
    setFixedSize(twipsSize(2790, 2190));
    new GradientBackground(this, colours::DialogBack, colours::GradientDark, 1);

    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    for (int i = 0; i < 2; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Text1_%1").arg(i));
        edit->setMaxLength(2);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFont(big);
        edit->setGeometry(twipsRect(i == 0 ? 480 : 1590, 420, 720, 420));
        edit->installEventFilter(this);
        m_fields[static_cast<size_t>(i)] = edit;
    }
    addLabel(this, QStringLiteral("Std."), twipsRect(480, 120, 720, 270));
    addLabel(this, QStringLiteral("Min."), twipsRect(1590, 120, 720, 270));
    addLabel(this, QStringLiteral(":"), twipsRect(1200, 420, 390, 420))->setFont(big);

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(240, 1020, 1080, 390));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &frmUhrzeit::cmdOK_Click);
    auto *exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("cmdExit"));
    exit->setGeometry(twipsRect(1470, 1020, 1080, 390));
    connect(exit, &QPushButton::clicked, this, &frmUhrzeit::cmdExit_Click);

    m_sanft = new QCheckBox(QStringLiteral("&sanft ausblenden"), this);
    m_sanft->setObjectName(QStringLiteral("chkSanftAusblenden"));
    m_sanft->setToolTip(QStringLiteral("Der laufende Titel spielt zu Ende (höchstens 10 Minuten) und wird leiser."));
    m_sanft->setGeometry(twipsRect(150, 1530, 2580, 270));
    m_sanft->setChecked(program.settings.read(keys::SleepSanftAusblenden) == QLatin1String("1"));
    m_nurAnhalten = new QCheckBox(QStringLiteral("&Programm offen lassen"), this);
    m_nurAnhalten->setObjectName(QStringLiteral("chkNurAnhalten"));
    m_nurAnhalten->setToolTip(QStringLiteral("Nur die Wiedergabe endet; das Programm bleibt geöffnet."));
    m_nurAnhalten->setGeometry(twipsRect(150, 1830, 2580, 270));
    m_nurAnhalten->setChecked(program.settings.read(keys::SleepNurAnhalten) == QLatin1String("1"));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(1000);
    connect(m_timer1, &QTimer::timeout, this, &frmUhrzeit::Timer1_Timer);
    m_timer1->start();

    const QTime now = m_clock();
    setWindowTitle(timeOfDayText(now));
    const QString offered = timeOfDayText(defaultSleepTime(now));
    m_fields[0]->setText(offered.mid(0, 2));
    m_fields[1]->setText(offered.mid(3, 2));
    m_sleepZeit = kNoSleepTime;
}

void frmUhrzeit::Timer1_Timer()
{
    setWindowTitle(timeOfDayText(m_clock()));
}

void frmUhrzeit::Text1_LostFocus(int index)
{
    const QString notice = sleepFieldNotice(index, field(index)->text());
    if (notice.isEmpty())
        return;
    MsgLumo(m_program, this, notice, 3, 0, QStringLiteral("Eingabehinweis"), 1, colours::WarningBack,
            colours::DialogText);
    sendTab();
}

void frmUhrzeit::cmdOK_Click()
{
    const QString chosen = confirmedSleepTime(m_fields[0]->text(), m_fields[1]->text());
    if (sleepTimePassedToday(chosen, m_clock())) {
        // Armed now, that minute would end the program at once or only tomorrow: the user decides.
        const QString answer =
            MsgLumo(m_program, this,
                    QStringLiteral("Die Uhrzeit %1 ist heute schon erreicht.\r\nSoll die Sleep-Funktion erst morgen um %1 auslösen?")
                        .arg(chosen),
                    22, 2, QStringLiteral("Sleep-Modus"), 1, colours::DialogBack, colours::DialogText);
        if (answer != QLatin1String("Ja")) {
            m_fields[0]->setFocus();
            return;
        }
    }
    m_sleepZeit = chosen;
    m_program.settings.write(keys::SleepSanftAusblenden, m_sanft->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    if (m_nurAnhalten->isEnabled())
        m_program.settings.write(keys::SleepNurAnhalten, m_nurAnhalten->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    accept();
}

bool frmUhrzeit::sanftAusblenden() const
{
    return m_sanft->isChecked();
}

bool frmUhrzeit::nurAnhalten() const
{
    return m_nurAnhalten->isEnabled() && m_nurAnhalten->isChecked();
}

void frmUhrzeit::offerStopOnly(bool offered)
{
    m_nurAnhalten->setEnabled(offered);
}

void frmUhrzeit::cmdExit_Click()
{
    m_sleepZeit = kNoSleepTime;
    reject();
}

void frmUhrzeit::done(int result)
{
    // Esc ends here too; the fields are not checked on the way out.
    m_closing = true;
    m_timer1->stop();
    QDialog::done(result);
}

void frmUhrzeit::sendTab()
{
    // Queued, so the key that completed the pair lands in its field first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_closing && isVisible())
                focusNextChild();
        },
        Qt::QueuedConnection);
}

bool frmUhrzeit::eventFilter(QObject *watched, QEvent *event)
{
    const auto *edit = qobject_cast<QLineEdit *>(watched);
    const int index = edit == m_fields[0] ? 0 : edit == m_fields[1] ? 1 : -1;
    if (index < 0)
        return QDialog::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        // Tab moves the focus by itself and Esc closes the dialog; neither is typed.
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Escape && m_keys.press())
            sendTab();
        break;
    }
    case QEvent::FocusIn:
        // After the click that placed the cursor, so the selection stays.
        QMetaObject::invokeMethod(
            m_fields[static_cast<size_t>(index)], [edit = m_fields[static_cast<size_t>(index)]] { edit->selectAll(); },
            Qt::QueuedConnection);
        break;
    case QEvent::FocusOut: {
        // Only a focus that moves inside the dialog leaves the field; a message
        // window or another program taking the focus does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (!m_closing && isVisible() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Text1_LostFocus(index);
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace klangtruhe
