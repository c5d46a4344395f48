#include "common/msglumo.h"

#include "app/program.h"
#include "common/events.h"
#include "common/frmmsglumo.h"
#include "common/positionform.h"
#include "common/wincolour.h"

#include <QApplication>
#include <QPointer>

namespace klangtruhe {

QString MsgLumo(Program &program, QWidget *reference, const QString &text, int kind, int defaultButton,
                const QString &title, int seconds, std::optional<quint32> backColour,
                std::optional<quint32> foreColour)
{
    // Owned by the reference window while it is open, so it never outlives it;
    // the guard notices when that window takes it along.
    QPointer<frmMsgLumo> dialog = new frmMsgLumo(reference ? reference->window() : nullptr);
    // Placed at the design size: a window that grows for a long text keeps
    // its top-left corner and grows to the right and downward.
    PositionForm(dialog, reference, QStringLiteral("center"), 10);
    dialog->setUp(text, kind, defaultButton, title, backColour.value_or(colours::DialogBack),
                  foreColour.value_or(colours::DialogText));
    doEvents();
    if (!dialog)
        return QString();

    const QString sound = msglumo::soundFileForIcon(msglumo::splitKind(kind).icon);
    if (!sound.isEmpty())
        program.platform().playSoundAsync(program.programFolder + sound);

    dialog->setCountdown(seconds);
    if (seconds < 2) {
        dialog->exec();
        doEvents();
    } else {
        // Not modal: playback and the other windows go on while it counts down.
        dialog->show();
        while (dialog && dialog->isVisible())
            sleepMs(20);
    }
    const QString answer = dialog ? dialog->answer() : QString();
    delete dialog.data();
    return answer;
}

void failureReport(Program &program, QWidget *reference, const QString &title, int errorNumber,
                   const QString &description)
{
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    MsgLumo(program, reference, QString::number(errorNumber) + QLatin1Char(' ') + description, 4, 0, title, 1,
            colours::ErrorBack, colours::DialogText);
}

} // namespace klangtruhe
