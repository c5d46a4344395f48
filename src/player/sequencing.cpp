// The player's part in the play sequencing: Timer1, the play-mode boxes, the
// random song button and the pause question of the menu.
#include "player/playercomponent.h"

#include "app/mainlayout.h"
#include "app/program.h"
#include "common/twips.h"
#include "player/picturebutton.h"
#include "player/playersequencing.h"

#include <QAction>
#include <QCheckBox>
#include <QMainWindow>

namespace klangtruhe {

void PlayerComponent::buildSequencing(QWidget *area)
{
    m_sequencing = std::make_unique<PlayerSequencing>(m_program, *this, m_catalogue, m_status, &m_window);
    PlaySequencer &sequencer = m_sequencing->sequencer;
    hooks.sequencingTick = [&sequencer] { sequencer.Timer1_Timer(); };

    // Only the user's clicks run the interlocks; boxes set by them stay quiet.
    const std::pair<QCheckBox *, PlayModeBox> boxes[] = {
        {chkAlleTracks, PlayModeBox::AlleTracks},         {chkMarkTracks, PlayModeBox::MarkTracks},
        {chkTracksZufaellig, PlayModeBox::TracksZufaellig}, {chkTracksAnspielen, PlayModeBox::TracksAnspielen},
        {chkRepeat, PlayModeBox::Repeat},                 {chkShuffle, PlayModeBox::Shuffle}};
    for (const auto &[box, which] : boxes) {
        connect(box, &QCheckBox::clicked, this,
                [&sequencer, which = which](bool checked) { sequencer.playModeClicked(which, checked); });
    }

    m_imgLiedzufall = new PictureButton(QStringLiteral("imgLiedzufall"), QStringLiteral(" Track zufällig "), area);
    const auto &row = layout::kTransportRow;
    m_imgLiedzufall->move(twipsPoint(row.left + 6 * 480, row.top));
    connect(m_imgLiedzufall, &PictureButton::clicked, this, [&sequencer] { sequencer.shuffle().imgLiedzufall_Click(); });

    m_mnuPauseZwischenTracks = m_window.findChild<QAction *>(QStringLiteral("mnuPauseZwischenTracks"));
    if (m_mnuPauseZwischenTracks) {
        m_mnuPauseZwischenTracks->setEnabled(true);
        connect(m_mnuPauseZwischenTracks, &QAction::triggered, this,
                [this] { askPauseBetweenTracks(m_sequencing->dialogs, m_program.settings); });
    }
}

PlaySequencer &PlayerComponent::sequencer()
{
    return m_sequencing->sequencer;
}

PlayerSequencerHost &PlayerComponent::sequencerHost()
{
    return m_sequencing->host;
}

int &PlayerComponent::SongsAufTontraeger()
{
    return m_sequencing->sequencer.shuffle().SongsAufTontraeger;
}

void PlayerComponent::showPauseActive(bool active)
{
    m_imgPause0->setVisible(!active);
    m_imgPause1->setVisible(active);
}

} // namespace klangtruhe
