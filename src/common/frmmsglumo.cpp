#include "common/frmmsglumo.h"

#include "common/messageicons.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "common/wincolour.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <cmath>

namespace klangtruhe {

namespace {

// Horizontal padding inside the text box; no vertical padding, so that lines of
// 260 twips fill the box exactly.
constexpr int TextPadding = 4;

class MsgTextBox : public QTextEdit {
public:
    explicit MsgTextBox(QWidget *parent)
        : QTextEdit(parent)
    {
        setViewportMargins(TextPadding, 0, TextPadding, 0);
    }
};

// A whole number of pixels per line, never more than 260 twips, so a box of
// n × 260 twips always holds n lines without a scroll bar.
qreal linePitchPixels()
{
    return std::max(1.0, std::floor(msglumo::LineHeight / twipsPerPixelY()));
}

} // namespace

frmMsgLumo::frmMsgLumo(QWidget *parent)
    : QDialog(parent)
{
    using namespace msglumo;
    setObjectName(QStringLiteral("frmMsgLumo"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    setFixedSize(twipsSize(ClientWidth, ClientHeight));

    for (int i = 0; i < 4; ++i) {
        auto *icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("imgMsgIcon_%1").arg(i + 1));
        icon->setGeometry(twipsRect(IconLeft, IconTop, IconSize, IconSize));
        const QSize size = icon->size();
        icon->setPixmap(messageIcon(i + 1, std::min(size.width(), size.height()), devicePixelRatioF()));
        icon->setAlignment(Qt::AlignCenter);
        icon->hide();
        m_icons[i] = icon;
    }

    // The buttons come before the text box in the focus chain, so without a
    // default button the focus starts on the first button shown.
    m_fraMsgButton = new QFrame(this);
    m_fraMsgButton->setObjectName(QStringLiteral("fraMsgButton"));
    m_fraMsgButton->setFrameShape(QFrame::NoFrame);
    for (int i = 0; i < ButtonCount; ++i) {
        const ButtonSpec &entry = button(i);
        auto *push = new QPushButton(QString::fromUtf8(entry.caption), m_fraMsgButton);
        push->setObjectName(QStringLiteral("cmdButton_%1").arg(i));
        push->setGeometry(twipsRect(entry.left, ButtonTop, entry.width, ButtonHeight));
        // Only the chosen button is the default; focus alone must not make one.
        push->setAutoDefault(false);
        push->hide();
        connect(push, &QPushButton::clicked, this, [this, i] { cmdButton_Click(i); });
        m_buttons[i] = push;
    }

    m_txtMsgText = new MsgTextBox(this);
    m_txtMsgText->setObjectName(QStringLiteral("txtMsgText"));
    m_txtMsgText->setReadOnly(true);
    m_txtMsgText->setAcceptRichText(false);
    m_txtMsgText->setFrameShape(QFrame::NoFrame);
    m_txtMsgText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtMsgText->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_txtMsgText->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_txtMsgText->document()->setDocumentMargin(0);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    m_timer->setInterval(1000);
    // A coarse timer may fire up to 5 % early on every tick, and a countdown
    // of five seconds would close a quarter of a second before its "1" is up.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &frmMsgLumo::Timer_Timer);

    applyLayout();
}

void frmMsgLumo::setUp(const QString &text, int kind, int defaultButton, const QString &title, quint32 backColour,
                       quint32 foreColour)
{
    using namespace msglumo;
    const QColor back = winColour(backColour);
    const QColor fore = winColour(foreColour);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, back);
    windowPalette.setColor(QPalette::WindowText, fore);
    setPalette(windowPalette);
    QPalette textPalette = m_txtMsgText->palette();
    textPalette.setColor(QPalette::Base, back);
    textPalette.setColor(QPalette::Text, fore);
    m_txtMsgText->setPalette(textPalette);
    setWindowTitle(title);

    for (QLabel *icon : m_icons)
        icon->hide();
    for (QPushButton *push : m_buttons)
        push->hide();
    m_defaultButton = defaultButton;

    const Kind split = splitKind(kind);
    if (split.icon >= 1 && split.icon <= 4)
        m_icons[split.icon - 1]->show();
    for (int index : buttonsOfSet(split.buttonSet))
        m_buttons[index]->show();

    const QString shown = normaliseLineBreaks(text);
    m_txtMsgText->setPlainText(shown);
    QTextCursor all(m_txtMsgText->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat lines;
    lines.setLineHeight(linePitchPixels(), QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(lines);

    // Lines are counted at the design width, before a wide layout widens the box.
    const qreal wrapWidth = twipsToPixelsX(TextWidth) - 2 * TextPadding;
    m_displayLines = countDisplayLines(shown, m_txtMsgText->font(), wrapWidth);
    m_layout = layoutForLines(m_displayLines);
    applyLayout();
}

void frmMsgLumo::setCountdown(int seconds)
{
    m_countdown = seconds;
    m_answer.clear();
    if (seconds < 2)
        m_timer->stop();
    else
        m_timer->start();
}

void frmMsgLumo::applyLayout()
{
    using namespace msglumo;
    setFixedSize(twipsSize(m_layout.clientWidth(), m_layout.clientHeight()));
    m_txtMsgText->setGeometry(twipsRect(TextLeft, TextTop, m_layout.textWidth, m_layout.textHeight));
    const int barHeight = twipsToPixelsY(BarHeight);
    m_fraMsgButton->setGeometry(0, height() - barHeight, twipsToPixelsX(m_layout.barWidth), barHeight);
}

void frmMsgLumo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        Form_Activate();
    }
}

void frmMsgLumo::Form_Activate()
{
    for (QPushButton *push : m_buttons)
        push->setDefault(false);
    if (m_defaultButton >= 0 && m_defaultButton < msglumo::ButtonCount && !m_buttons[m_defaultButton]->isHidden()) {
        m_buttons[m_defaultButton]->setDefault(true);
        m_buttons[m_defaultButton]->setFocus(Qt::OtherFocusReason);
    }
    if (m_countdown > 1) {
        m_savedTitle = windowTitle();
        setWindowTitle(m_savedTitle + QStringLiteral(" (%1)").arg(m_countdown));
    }
}

void frmMsgLumo::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // The button bar stays at the bottom.
    m_fraMsgButton->move(0, event->size().height() - m_fraMsgButton->height());
}

void frmMsgLumo::cmdButton_Click(int index)
{
    m_answer = QString::fromUtf8(msglumo::button(index).answer);
    m_timer->stop();
    hide();
}

void frmMsgLumo::Timer_Timer()
{
    --m_countdown;
    setWindowTitle(m_savedTitle + QStringLiteral(" (%1)").arg(m_countdown));
    if (m_countdown <= 0) {
        m_timer->stop();
        hide();
    }
}

} // namespace klangtruhe
