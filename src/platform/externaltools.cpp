#include "platform/externaltools.h"

#include <QFileInfo>
#include <QProcess>

namespace klangtruhe {

namespace {

// The mixers of the common desktops, the plain PulseAudio/PipeWire ones first.
const struct {
    const char *program;
    const char *argument;
} kDesktopMixers[] = {
    {"pavucontrol", nullptr},          {"pavucontrol-qt", nullptr},
    {"pwvucontrol", nullptr},          {"gnome-control-center", "sound"},
    {"kcmshell6", "kcm_pulseaudio"},   {"kcmshell5", "kcm_pulseaudio"},
    {"mate-volume-control", nullptr},  {"xfce4-mixer", nullptr},
};

// Expands one field code word; returns false when the word is no field code.
bool expandFieldCode(const QString &word, const QStringList &files, QStringList &out, bool &filesUsed)
{
    if (word.size() != 2 || word.at(0) != QLatin1Char('%'))
        return false;
    switch (word.at(1).toLatin1()) {
    case 'f':
    case 'u':
        if (!files.isEmpty())
            out << files.first();
        filesUsed = true;
        return true;
    case 'F':
    case 'U':
        out << files;
        filesUsed = true;
        return true;
    case 'i': case 'c': case 'k': case 'd': case 'D': case 'n': case 'N': case 'v': case 'm':
        return true;
    default:
        return false;
    }
}

// Inside double quotes the format escapes ", `, $ and \ with a backslash;
// QProcess::splitCommand knows only its own triple quote for a literal quote.
QString toSplitCommandQuoting(const QString &exec)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            out += c;
        } else if (quoted && c == QLatin1Char('\\') && i + 1 < exec.size()
                   && QStringLiteral("\"`$\\").contains(exec.at(i + 1))) {
            const QChar next = exec.at(++i);
            out += next == QLatin1Char('"') ? QStringLiteral("\"\"\"") : QString(next);
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QString desktopEntryExec(const QByteArray &contents)
{
    bool inMainGroup = false;
    for (const QByteArray &rawLine : contents.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inMainGroup)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.left(equals).trimmed() != QLatin1String("Exec"))
            continue;
        const QString value = line.mid(equals + 1).trimmed();
        QString exec;
        for (qsizetype i = 0; i < value.size(); ++i) {
            if (value.at(i) != QLatin1Char('\\') || i + 1 == value.size()) {
                exec += value.at(i);
                continue;
            }
            const QChar next = value.at(++i);
            switch (next.toLatin1()) {
            case 's': exec += QLatin1Char(' '); break;
            case 't': exec += QLatin1Char('\t'); break;
            case 'n': exec += QLatin1Char('\n'); break;
            case 'r': exec += QLatin1Char('\r'); break;
            case '\\': exec += QLatin1Char('\\'); break;
            default: exec += QLatin1Char('\\'); exec += next; break;
            }
        }
        return exec;
    }
    return QString();
}

QStringList desktopEntryCommand(const QString &exec, const QStringList &files)
{
    QStringList command;
    bool filesUsed = false;
    for (const QString &word : QProcess::splitCommand(toSplitCommandQuoting(exec))) {
        if (expandFieldCode(word, files, command, filesUsed))
            continue;
        // Field codes inside a word ("--file=%f") are not allowed; only %% is taken.
        QString plain = word;
        plain.replace(QLatin1String("%%"), QLatin1String("%"));
        command << plain;
    }
    if (command.isEmpty())
        return {};
    if (!filesUsed)
        command << files;
    return command;
}

VolumeTool volumeToolFor(const QString &programFolder, const std::function<QString(const QString &)> &findExecutable)
{
    VolumeTool tool;
    if (windowsToolsRunHere()) {
        const QString pegling = programFolder + QStringLiteral("Pegling.exe");
        if (QFileInfo(pegling).isFile())
            tool.command = QStringList{pegling};
        tool.placedBesideMiniPlayer = true;
        tool.missingText = QStringLiteral("Pegling.exe nicht gefunden.");
        return tool;
    }
    for (const auto &mixer : kDesktopMixers) {
        const QString program = findExecutable(QString::fromLatin1(mixer.program));
        if (program.isEmpty())
            continue;
        tool.command = QStringList{program};
        if (mixer.argument)
            tool.command << QString::fromLatin1(mixer.argument);
        break;
    }
    tool.missingText = QStringLiteral("Kein Lautstärkeregler gefunden.\r\n\r\nDer Regler des Desktops, zum Beispiel "
                                      "„pavucontrol“, lässt sich über die Paketverwaltung installieren.");
    return tool;
}

bool windowsToolsRunHere()
{
#ifdef Q_OS_WIN
    return true;
#else
    return false;
#endif
}

} // namespace klangtruhe
