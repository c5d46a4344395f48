#include "player/mcilayer.h"

#include "app/program.h"

#include <QFileInfo>
#include <QVBoxLayout>
#include <QWidget>

namespace klangtruhe {

namespace {

constexpr QLatin1String kTypeKeyword(" type ");

QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString unquoted(const QString &path)
{
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"')))
        return path.mid(1, path.size() - 2);
    return path;
}

} // namespace

MciLayer::MciLayer(bool fakeMedia, QObject *parent)
    : QObject(parent)
    , m_window(std::make_unique<QWidget>())
{
    m_window->setObjectName(QStringLiteral("MciVideoWindow"));
    m_window->resize(640, 400);
    m_player = createMediaComponent(fakeMedia, m_window.get());
    auto *layout = new QVBoxLayout(m_window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_player->widget());
    connect(m_player.get(), &MediaComponent::hasVideoChanged, this, [this](bool video) {
        if (video && m_started)
            m_window->show();
    });
}

MciLayer::~MciLayer()
{
    // The player lets go of its view before the window that holds it goes.
    m_player.reset();
}

int MciLayer::mciSendString(const QString &command)
{
    const QString text = command.trimmed();
    const QStringList parts = words(text);
    if (parts.isEmpty())
        return UnrecognizedCommand;
    const QString verb = parts.first().toLower();
    if (verb == QLatin1String("open"))
        return open(text.mid(parts.first().size() + 1));
    if (verb == QLatin1String("play"))
        return play(parts);
    if (verb == QLatin1String("stop"))
        return stop(parts);
    if (verb == QLatin1String("close"))
        return close(parts);
    return UnrecognizedCommand;
}

int MciLayer::open(const QString &arguments)
{
    // Everything before " type " is the path, blanks and all.
    const int typeAt = arguments.lastIndexOf(kTypeKeyword, -1, Qt::CaseInsensitive);
    if (typeAt <= 0)
        return MissingParameter;
    const QString path = unquoted(arguments.left(typeAt));
    const QStringList rest = words(arguments.mid(typeAt + kTypeKeyword.size()));
    if (rest.size() != 3 || !same(rest.at(1), QStringLiteral("alias")))
        return MissingParameter;
    if (!same(rest.at(0), QStringLiteral("MPEGVideo")))
        return UnsupportedDeviceType;
    const QString &alias = rest.at(2);
    if (!m_alias.isEmpty())
        return same(alias, m_alias) ? DuplicateAlias : DeviceOpen;
    if (!QFileInfo(path).isFile())
        return FileNotFound;
    m_alias = alias;
    m_path = path;
    m_started = false;
    m_window->setWindowTitle(QFileInfo(path).fileName());
    return Ok;
}

int MciLayer::checkAlias(const QStringList &words) const
{
    if (words.size() < 2)
        return MissingParameter;
    if (m_alias.isEmpty() || !same(words.at(1), m_alias))
        return InvalidDeviceName;
    return Ok;
}

int MciLayer::play(const QStringList &words)
{
    if (const int error = checkAlias(words))
        return error;
    double from = -1;
    if (words.size() >= 3) {
        if (words.size() != 4 || !same(words.at(2), QStringLiteral("from")))
            return UnrecognizedCommand;
        bool ok = false;
        const qint64 ms = words.at(3).toLongLong(&ok);
        if (!ok || ms < 0)
            return BadInteger;
        from = ms / 1000.0;
    }
    if (!m_started) {
        m_started = true;
        m_player->setUrl(m_path);
        if (from > 0)
            m_player->setCurrentPosition(from);
    } else {
        if (from >= 0)
            m_player->setCurrentPosition(from);
        m_player->play();
    }
    if (m_player->hasVideo())
        m_window->show();
    return Ok;
}

int MciLayer::stop(const QStringList &words)
{
    if (const int error = checkAlias(words))
        return error;
    if (words.size() != 2)
        return UnrecognizedCommand;
    m_player->pause();
    return Ok;
}

int MciLayer::close(const QStringList &words)
{
    if (const int error = checkAlias(words))
        return error;
    if (words.size() != 2)
        return UnrecognizedCommand;
    m_player->close();
    m_window->hide();
    m_alias.clear();
    m_path.clear();
    m_started = false;
    return Ok;
}

bool mciOpenAndPlay(Program &program, MciLayer &mci, const QString &path, const QString &alias)
{
    QString shortPath = program.platform().shortPath(path);
    if (shortPath.isEmpty())
        return false;
    const int nul = shortPath.indexOf(QChar(u'\0'));
    if (nul >= 0)
        shortPath.truncate(nul);
    if (mci.mciSendString(QStringLiteral("open ") + shortPath + QStringLiteral(" type MPEGVideo alias ") + alias) != 0)
        return false;
    return mci.mciSendString(QStringLiteral("play ") + alias + QStringLiteral(" from 0")) == 0;
}

void mciStopAndClose(MciLayer &mci, const QString &alias)
{
    mci.mciSendString(QStringLiteral("stop ") + alias);
    mci.mciSendString(QStringLiteral("close ") + alias);
}

} // namespace klangtruhe
