#include "common/inputlumo.h"

#include "app/program.h"
#include "common/events.h"
#include "common/positionform.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "common/wincolour.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

namespace klangtruhe {

QString trimBlanks(const QString &text)
{
    int first = 0;
    int last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

frmInputLumo::frmInputLumo(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmInputLumo"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());

    m_lblText = new QLabel(this);
    m_lblText->setObjectName(QStringLiteral("lblText"));
    m_lblText->setWordWrap(true);
    m_lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_txtInputText = new QLineEdit(this);
    m_txtInputText->setObjectName(QStringLiteral("txtInputText"));

    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(4200, 150, 1065, 390));
    m_cmdOK->setDefault(true); // Enter in the text box answers
    connect(m_cmdOK, &QPushButton::clicked, this, &frmInputLumo::cmdOK_Click);

    m_cmdExit = new QPushButton(QStringLiteral("E&xit"), this);
    m_cmdExit->setObjectName(QStringLiteral("cmdExit"));
    m_cmdExit->setGeometry(twipsRect(4200, 675, 1065, 390));
    m_cmdExit->setAutoDefault(false);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmInputLumo::cmdExit_Click);

    setTabOrder(m_txtInputText, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdExit);
    fitPrompt(); // the places of prompt, field and window for an empty prompt
    m_txtInputText->setFocus();
}

void frmInputLumo::setUp(const QString &prompt, const QString &title, const QString &defaultText,
                         quint32 backColour, quint32 foreColour)
{
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, winColour(backColour));
    windowPalette.setColor(QPalette::WindowText, winColour(foreColour));
    setPalette(windowPalette);
    setWindowTitle(title);
    m_lblText->setText(prompt);
    fitPrompt();
    m_txtInputText->setText(defaultText);
    m_txtInputText->selectAll();
}

void frmInputLumo::fitPrompt()
{
    // The prompt area beside the buttons grows downwards with its text and
    // font; the input field and the window follow.
    const QRect prompt = twipsRect(150, 150, 3840, 915);
    const int grow = std::max(0, m_lblText->heightForWidth(prompt.width()) - prompt.height());
    m_lblText->setGeometry(prompt.adjusted(0, 0, 0, grow));
    m_txtInputText->setGeometry(twipsRect(150, 1275, 5115, 390).translated(0, grow));
    setFixedSize(twipsSize(5460, 1800) + QSize(0, grow));
}

QString frmInputLumo::answer() const
{
    return QDialog::result() == QDialog::Accepted ? trimBlanks(m_txtInputText->text()) : QString();
}

void frmInputLumo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        m_program.platform().playSoundAsync(m_program.programFolder + QStringLiteral("Fragezeichen.wav"));
    }
}

void frmInputLumo::cmdOK_Click()
{
    accept();
}

void frmInputLumo::cmdExit_Click()
{
    m_txtInputText->clear();
    reject();
}

QString InputLumo(Program &program, QWidget *reference, const QString &prompt, const QString &title,
                  const QString &defaultText, std::optional<quint32> backColour, std::optional<quint32> foreColour)
{
    QPointer<frmInputLumo> dialog = new frmInputLumo(program, reference ? reference->window() : nullptr);
    PositionForm(dialog, reference, QStringLiteral("center"), 10);
    dialog->setUp(prompt, title, defaultText, backColour.value_or(colours::DialogBack),
                  foreColour.value_or(colours::DialogText));
    doEvents();
    if (!dialog)
        return QString();
    dialog->exec();
    const QString answer = dialog ? dialog->answer() : QString();
    delete dialog.data();
    return answer;
}

} // namespace klangtruhe
