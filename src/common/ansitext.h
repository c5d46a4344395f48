#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace klangtruhe {

// The program's list and ini files are Windows-1252 text with CR LF.
// Reading also accepts files that another editor saved as UTF-8 or UTF-16
// with a byte order mark, so nothing the user wrote turns into garbage.
QString decodeListFile(const QByteArray &bytes);
QStringList splitListLines(const QString &text); // CR LF, LF or CR; no trailing empty line

// Encodes to Windows-1252; false when a character cannot be written there.
bool encodeAnsi(const QString &text, QByteArray &bytes);

} // namespace klangtruhe
