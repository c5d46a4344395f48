#pragma once
#include <QString>
#include <optional>
class QWidget;
namespace klangtruhe {
class Program;
QString MsgLumo(Program &program, QWidget *reference, const QString &text, int kind, int defaultButton,
                const QString &title, int seconds = 1, std::optional<quint32> backColour = {},
                std::optional<quint32> foreColour = {});
void failureReport(Program &program, QWidget *reference, const QString &title, int errorNumber,
                   const QString &description);
}
