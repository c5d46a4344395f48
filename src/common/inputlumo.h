#pragma once
#include <QString>
#include <optional>
class QWidget;
namespace klangtruhe {
class Program;
QString InputLumo(Program &program, QWidget *reference, const QString &prompt, const QString &title,
                  const QString &defaultText, std::optional<quint32> backColour = {},
                  std::optional<quint32> foreColour = {});
}
