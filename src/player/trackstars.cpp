// The star rows of BewertungTracks: six clickable stars of the current track
// (its rating lives in the file name) and the entry's own six stars.
#include "player/playercomponent.h"

#include "app/program.h"
#include "common/events.h"
#include "common/stars.h"
#include "common/twips.h"
#include "player/picturebutton.h"
#include "player/playerrules.h"
#include "player/playlistsource.h"
#include "player/trackrating.h"

#include <QFileInfo>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QSet>

namespace klangtruhe {

namespace {

constexpr int kStarCellTwips = 300;

QPixmap songStar(bool gold, const QWidget *on)
{
    return starPicture(gold, twipsToPixelsY(kStarCellTwips) - 2, on->devicePixelRatioF());
}

} // namespace

void PlayerComponent::buildTrackStars(QWidget *area)
{
    // The two hidden pictures every star row takes its gold and grey star from.
    m_imgStern = new QLabel(area);
    m_imgStern->setObjectName(QStringLiteral("imgStern"));
    m_imgStern->setPixmap(songStar(true, area));
    m_imgStern->hide();
    m_imgSternGrau = new QLabel(area);
    m_imgSternGrau->setObjectName(QStringLiteral("imgSternGrau"));
    m_imgSternGrau->setPixmap(songStar(false, area));
    m_imgSternGrau->hide();

    auto *frame = new QFrame(area);
    frame->setObjectName(QStringLiteral("fraSternTrack"));
    frame->setToolTip(QStringLiteral(" Track bewerten "));
    for (int k = 0; k < 6; ++k) {
        auto *star = new PictureButton(QStringLiteral("imgSongNote_%1").arg(k),
                                       QStringLiteral(" %1 von 6 Sternen für diesen Track ").arg(k + 1),
                                       m_imgSternGrau->pixmap(), frame);
        star->move(twipsPoint(30 + k * kStarCellTwips, 0));
        connect(star, &PictureButton::clicked, this, [this, k] { imgSongNote_Click(k); });
        m_imgSongNote[static_cast<size_t>(k)] = star;
    }
}

bool PlayerComponent::songStarIsGold(int index) const
{
    return index >= 0 && index < 6 && m_songStarGold[static_cast<size_t>(index)];
}

void PlayerComponent::setSongStars(int gold)
{
    for (int k = 0; k < 6; ++k) {
        const bool isGold = k < gold;
        m_songStarGold[static_cast<size_t>(k)] = isGold;
        m_imgSongNote[static_cast<size_t>(k)]->setPixmap(isGold ? m_imgStern->pixmap() : m_imgSternGrau->pixmap());
    }
}

void PlayerComponent::BewertungTracks()
{
    QString name;
    if (m_program.PlaylistModus && playlist)
        name = playlist->itemText(playlist->selectedItem());
    else
        name = trackName(m_program.AktuellerTrack);
    const QString rating = hooks.entryRating ? hooks.entryRating() : QString();
    const StarDisplay display = starsFor(name, rating);
    setSongStars(display.songStars);
    if (display.entryStars && hooks.showEntryStars)
        hooks.showEntryStars(*display.entryStars);
}

void PlayerComponent::imgSongNote_Click(int index)
{
    if (index < 0 || index > 5)
        return;
    // The track whose stars are shown: while the playlist is the play source
    // that is its selected item (AktuellerTrack then counts playlist items).
    QString folder = musicFolder();
    QString linesFolder = folder; // the folder as the playlist lines hold it
    QString name;
    if (m_program.PlaylistModus && playlist && playlist->selectedItem() > 0) {
        const int item = playlist->selectedItem();
        linesFolder = playlist->pfad(item) + playlist->bandUndCd(item);
        folder = m_program.localPath(linesFolder);
        name = playlist->itemText(item);
    } else {
        name = trackName(m_program.AktuellerTrack);
    }
    if (name.isEmpty())
        return;
    const RatingRename result = renameForRating(folder, name, index + 1);
    // A failed rename (file in use, name taken) leaves everything as it was.
    const bool renamed = result.status == RatingRename::Status::Renamed;
    if (renamed && hooks.trackRenamed)
        hooks.trackRenamed(linesFolder + name, linesFolder + result.newName);
    doEvents();
    const bool shownHere = QFileInfo(folder.trimmed()).absoluteFilePath() == QFileInfo(musicFolder().trimmed()).absoluteFilePath();
    refreshTrackList(shownHere && renamed ? name : QString(), shownHere && renamed ? result.newName : QString());
    BewertungTracks();
}

void PlayerComponent::refreshTrackList(const QString &renamedFrom, const QString &renamedTo)
{
    const auto renamed = [&](const QString &name) { return name == renamedFrom ? renamedTo : name; };
    QSet<QString> marked;
    QHash<QString, int> played;
    const bool listIsPlaySource = !m_program.PlaylistModus && TrackGespielt.size() == m_filTrack->count();
    for (int i = 0; i < m_filTrack->count(); ++i) {
        const QString name = renamed(m_filTrack->item(i)->text());
        if (m_filTrack->item(i)->isSelected())
            marked.insert(name);
        if (listIsPlaySource)
            played.insert(name, TrackGespielt.at(i));
    }
    const QString current = renamed(trackName(m_program.AktuellerTrack));

    const QStringList files = tracksOfFolder(musicFolder());
    m_filTrack->clear();
    m_filTrack->addItems(files);
    for (int i = 0; i < files.size(); ++i)
        m_filTrack->item(i)->setSelected(marked.contains(files.at(i)));
    m_program.AktuellerTrack = std::max<int>(0, static_cast<int>(files.indexOf(current)));
    if (!files.isEmpty())
        m_filTrack->setCurrentRow(m_program.AktuellerTrack, QItemSelectionModel::NoUpdate);
    if (listIsPlaySource) {
        TrackGespielt = QList<int>(files.size(), 0);
        for (int i = 0; i < files.size(); ++i)
            TrackGespielt[i] = played.value(files.at(i), 0);
    }
}

} // namespace klangtruhe
