#include "player/playerrules.h"

#include <QDir>
#include <QDirIterator>

namespace klangtruhe {

FileClass fileClassOf(const QString &fileName)
{
    // Four characters only: "jpeg", "tiff" and "m2ts" carry no dot.
    const QString ending = fileName.right(4).toLower();
    if (ending == QLatin1String(".mov"))
        return FileClass::MciFilm;
    static const char *const pictures[] = {".avi", ".wmv", ".mpg", ".jpg", "jpeg", ".gif", ".png",
                                           ".bmp", ".tif", "tiff", ".pcx", ".rle", ".wmf", ".dib",
                                           ".emf", ".cur", ".mp4", ".flv", "m2ts"};
    for (const char *candidate : pictures) {
        if (ending == QLatin1String(candidate))
            return FileClass::VideoOrPicture;
    }
    return FileClass::Audio;
}

bool isPlayableFile(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString ending = fileName.mid(dot + 1).toLower();
    static const char *const playable[] = {"mp3", "mp2", "mp1", "wav", "wma", "ogg", "oga", "opus", "flac",
                                           "m4a", "aac", "aif", "aiff", "ape", "wv", "mpc", "mid", "midi",
                                           "avi", "wmv", "mpg", "mpeg", "mp4", "m4v", "mov", "flv", "m2ts",
                                           "mkv", "webm"};
    for (const char *candidate : playable) {
        if (ending == QLatin1String(candidate))
            return true;
    }
    return false;
}

bool isFilmForMciWindow(const QString &fileName)
{
    const QString ending = fileName.right(4);
    static const char *const films[] = {".avi", ".wmv", ".mpg", ".mp4", ".flv", "m2ts"};
    for (const char *candidate : films) {
        if (ending == QLatin1String(candidate))
            return true;
    }
    return false;
}

QString songSearchKey(const QString &fileName)
{
    if (fileName.size() <= 8)
        return QString();
    return fileName.left(fileName.size() - 8);
}

QString withoutEnding(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

int firstMarkedFrom(int from, const std::vector<bool> &marked)
{
    for (int i = std::max(0, from); i < int(marked.size()); ++i) {
        if (marked[size_t(i)])
            return i;
    }
    return -1;
}

namespace {

int lastMarkedDownFrom(int from, const std::vector<bool> &marked)
{
    for (int i = std::min(from, int(marked.size()) - 1); i >= 0; --i) {
        if (marked[size_t(i)])
            return i;
    }
    return -1;
}

} // namespace

int trackListBack(int current, int count, bool markMode, const std::vector<bool> &marked)
{
    if (current > 0) {
        if (!markMode)
            return current - 1;
        const int found = lastMarkedDownFrom(current - 1, marked);
        return found >= 0 ? found : current;
    }
    if (!markMode)
        return std::max(0, count - 1);
    const int found = lastMarkedDownFrom(count - 1, marked);
    return found >= 0 ? found : current;
}

int trackListForward(int current, int count)
{
    return current + 1 >= count ? 0 : current + 1;
}

std::optional<int> playlistBack(int current, int count, const std::function<bool(int)> &checked)
{
    if (count < 1)
        return std::nullopt;
    int start = current - 1;
    if (start < 1)
        start = count;
    // Two rounds at most: from here down, then once more from the last item.
    for (int round = 0; round < 2; ++round) {
        for (int n = std::min(start, count); n >= 1; --n) {
            if (checked(n))
                return n;
        }
        start = count;
    }
    return std::nullopt;
}

std::optional<int> playlistForward(int current, int count, const std::function<bool(int)> &checked)
{
    if (count < 1)
        return std::nullopt;
    int start = current + 1;
    if (start > count)
        start = 1;
    for (int round = 0; round < 2; ++round) {
        for (int n = std::max(start, 1); n <= count; ++n) {
            if (checked(n))
                return n;
        }
        start = 1;
    }
    return std::nullopt;
}

int nextTickerPhase(int phase)
{
    return phase + 1 > 3 ? 1 : phase + 1;
}

QString trackInfoText(const MediaInfo &info)
{
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("Name = ") + info.name + crlf + QStringLiteral("Länge = ") + info.duration
                   + QStringLiteral(" Min.") + crlf + crlf;
    for (int i = 0; i < info.attributeNames.size(); ++i) {
        text += QString::number(i) + QStringLiteral(" - ") + info.attributeNames.at(i) + QStringLiteral(" = ")
                + info.attributeValues.value(i) + crlf;
    }
    return text;
}

AssociatedCall associatedCall(const QString &associated, const QString &file,
                              const std::function<QString(const QString &)> &shortPath)
{
    QString program = programBeforeNul(associated);
    if (program.compare(file, Qt::CaseInsensitive) == 0)
        program.clear();
    return inShortForm(program, file, shortPath);
}

QString programBeforeNul(const QString &associated)
{
    const qsizetype nul = associated.indexOf(QChar(u'\0'));
    return nul >= 0 ? associated.left(nul) : associated;
}

AssociatedCall inShortForm(const QString &program, const QString &file,
                           const std::function<QString(const QString &)> &shortPath)
{
    const auto shortened = [&shortPath](const QString &path) {
        return path.contains(QLatin1Char(' ')) ? shortPath(path) : path;
    };
    return {shortened(program), shortened(file)};
}

namespace {

bool namesFolder(const QString &folderText)
{
    return folderText.endsWith(QLatin1Char('/')) || folderText.endsWith(QDir::separator());
}

// Only normal files count: no hidden or system files, and none of the files
// Windows leaves in every folder, also where a copy made them visible.
bool isFolderClutter(const QString &name)
{
    return name.startsWith(QLatin1Char('.')) || name.compare(QLatin1String("desktop.ini"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("Thumbs.db"), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList tracksOfFolder(const QString &folderText)
{
    if (!namesFolder(folderText))
        return {};
    QStringList files = QDir(folderText).entryList(QDir::Files | QDir::NoDotAndDotDot,
                                                   QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    files.removeIf(isFolderClutter);
    return files;
}

bool folderHoldsTracks(const QString &folderText)
{
    if (!namesFolder(folderText))
        return false;
    QDirIterator files(folderText, QDir::Files | QDir::NoDotAndDotDot);
    while (files.hasNext()) {
        files.next();
        if (!isFolderClutter(files.fileName()))
            return true;
    }
    return false;
}

} // namespace klangtruhe
