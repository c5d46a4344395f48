// Temporary until the program's own dialogs land.
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include <QMessageBox>
namespace klangtruhe {
QString MsgLumo(Program &, QWidget *reference, const QString &text, int kind, int, const QString &title, int,
                std::optional<quint32>, std::optional<quint32>)
{
    const int set = kind / 10;
    if (set == 2 || set == 3)
        return QMessageBox::question(reference, title, text) == QMessageBox::Yes ? QStringLiteral("Ja") : QStringLiteral("Nein");
    QMessageBox::information(reference, title, text);
    return QStringLiteral("Ok");
}
void failureReport(Program &program, QWidget *reference, const QString &title, int errorNumber, const QString &description)
{
    MsgLumo(program, reference, QString::number(errorNumber) + QLatin1Char(' ') + description, 4, 0, title, 1, 0xC0C0FF, 0x352300);
}
QString InputLumo(Program &, QWidget *, const QString &, const QString &, const QString &defaultText, std::optional<quint32>, std::optional<quint32>)
{
    return defaultText;
}
}
