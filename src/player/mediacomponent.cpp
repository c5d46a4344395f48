#include "player/mediacomponent.h"

#include <algorithm>

#include "player/mediaview.h"

#include "player/fakemediacomponent.h"
#include "player/qtmediacomponent.h"

#include <QFileInfo>
#include <cmath>

namespace klangtruhe {

namespace {

constexpr QLatin1String kPictureEndings[] = {
    QLatin1String("jpg"), QLatin1String("jpeg"), QLatin1String("png"), QLatin1String("gif"),
    QLatin1String("bmp"), QLatin1String("tif"),  QLatin1String("tiff"), QLatin1String("webp"),
};

} // namespace

bool isStillPicture(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const QLatin1String ending : kPictureEndings) {
        if (suffix.compare(ending, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString formatDuration(double seconds)
{
    if (!(seconds >= 0))
        return QStringLiteral("0:00");
    const qint64 whole = qint64(std::floor(seconds + 0.5));
    return QStringLiteral("%1:%2").arg(whole / 60).arg(whole % 60, 2, 10, QLatin1Char('0'));
}

void MediaAttributes::set(const QString &name, const QString &value)
{
    for (auto &item : m_items) {
        if (item.first.compare(name, Qt::CaseInsensitive) == 0) {
            item.second = value;
            return;
        }
    }
    m_items.append({name, value});
}

QString MediaAttributes::name(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index).first : QString();
}

QString MediaAttributes::value(const QString &name) const
{
    for (const auto &item : m_items) {
        if (item.first.compare(name, Qt::CaseInsensitive) == 0)
            return item.second;
    }
    return QString();
}

std::unique_ptr<MediaComponent> createMediaComponent(bool fake, QWidget *parent)
{
    if (fake)
        return std::make_unique<FakeMediaComponent>(parent);
    return std::make_unique<QtMediaComponent>(parent);
}

void MediaComponent::setVolume(double level)
{
    m_volume = std::clamp(level, 0.0, 1.0);
    applyVolume(m_volume);
}

void MediaComponent::setFullScreen(bool on)
{
    if (m_view)
        m_view->setFullScreen(on);
}

void MediaComponent::setStretchToFit(bool on)
{
    if (m_view)
        m_view->pictureView()->setStretchToFit(on);
}

QWidget *MediaComponent::widget()
{
    return m_view;
}

} // namespace klangtruhe
