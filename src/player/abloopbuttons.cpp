// The A-B loop of the embedded media player: the three picture buttons
// imgPosAB(0..2), one visible at a time, and the loop watcher TimerPosAB.
#include "player/playercomponent.h"

#include "app/mainlayout.h"
#include "app/statusbar.h"
#include "common/twips.h"
#include "player/mediacomponent.h"
#include "player/picturebutton.h"

namespace klangtruhe {

void PlayerComponent::buildAbLoop(QWidget *area)
{
    const QString tips[] = {QStringLiteral(" Pos-A feslegen "), QStringLiteral(" Pos-B feslegen "),
                            QStringLiteral(" exit Pos A-B ")};
    const auto &row = layout::kTransportRow;
    for (int k = 0; k < 3; ++k) {
        auto *button = new PictureButton(QStringLiteral("imgPosAB_%1").arg(k), tips[k], area);
        button->move(twipsPoint(row.left + 7 * 480, row.top));
        connect(button, &PictureButton::clicked, this, [this, k] { imgPosAB_Click(k); });
        m_imgPosAB[static_cast<size_t>(k)] = button;
    }
    m_timerPosAB.setObjectName(QStringLiteral("TimerPosAB"));
    m_timerPosAB.setInterval(500);
    connect(&m_timerPosAB, &QTimer::timeout, this, &PlayerComponent::TimerPosAB_Timer);
    showAbButton();
}

void PlayerComponent::imgPosAB_Click(int)
{
    // Positions are marks in something that plays; without it the click means nothing.
    if (m_status.panel(2) == QLatin1String("no play"))
        return;
    m_abLoop.click(m_mediaPlayer->currentPosition());
    showAbButton();
}

void PlayerComponent::TimerPosAB_Timer()
{
    // The loop moves the embedded player only, also while MCI plays.
    if (const std::optional<int> back = m_abLoop.tick(m_mediaPlayer->currentPosition()))
        m_mediaPlayer->setCurrentPosition(*back);
}

void PlayerComponent::showAbButton()
{
    for (int k = 0; k < 3; ++k)
        m_imgPosAB[static_cast<size_t>(k)]->setVisible(k == m_abLoop.visibleButton());
    if (m_abLoop.timerRunning())
        m_timerPosAB.start();
    else
        m_timerPosAB.stop();
}

} // namespace klangtruhe
