#include "player/frmwinmediaplayer.h"

#include "common/twips.h"
#include "player/mediacomponent.h"

#include <QVBoxLayout>

namespace klangtruhe {

frmWinMediaPlayer::frmWinMediaPlayer(bool fakeMedia, QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmWinMediaPlayer"));
    setWindowTitle(QStringLiteral("Movie Player"));
    m_player = createMediaComponent(fakeMedia, this);
    m_player->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    QWidget *view = m_player->widget();
    view->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    resize(twipsSize(9600, 7200));
}

frmWinMediaPlayer::~frmWinMediaPlayer()
{
    m_player->close();
}

} // namespace klangtruhe
