#pragma once

#include "player/sequencerhost.h"

#include <functional>

namespace klangtruhe {

class CatalogueComponent;
class PlayerComponent;
class StatusBar;

// The main window's player as the sequencing timer and the shuffle see it.
// The mini player's side is plugged in by the main window; without it the
// mini player counts as hidden.
class PlayerSequencerHost : public SequencerHost {
public:
    PlayerSequencerHost(PlayerComponent &player, CatalogueComponent &catalogue, StatusBar &status);

    // The hidden exclusion lists belong to the main window; it plugs in their readers.
    std::function<QStringList()> readStyleExclusions;
    std::function<QStringList()> readBandExclusions;
    std::function<bool()> isMiniPlayerVisible;
    std::function<void(bool)> miniPlayerPauseActive;
    std::function<void(const QString &)> miniPlayerCaption;

    PlayModes playModes() const override;
    void setPlayModes(const PlayModes &modes) override;

    bool winPlayerVerwenden() const override;
    bool videoModus() const override;
    int mediaPlayerPlayState() const override;
    int externalPlayerPlayState() const override;
    double trackEnde() const override;

    int trackCount() const override;
    void markTrack(int index, bool marked) override;
    QList<bool> playlistChecked() const override;
    void selectPlaylistItem(int item) override;
    QList<int> &TrackGespielt() override;

    int tableRowCount() const override;
    int currentTableRow() const override;
    QString tableCell(int row, int column) const override;
    void StilSpalteSetzen() override;
    int StilSpalte() const override;
    void moveToTableRow(int row) override;

    QStringList abspielausschluss() const override;
    QStringList bandAusschluss() const override;

    QString statusText() const override;
    void setStatusText(const QString &text) override;
    void showPauseActive(bool active) override;

    bool miniPlayerVisible() const override { return isMiniPlayerVisible && isMiniPlayerVisible(); }
    void showMiniPlayerPauseActive(bool active) override
    {
        if (miniPlayerPauseActive)
            miniPlayerPauseActive(active);
    }
    void setMiniPlayerCaption(const QString &caption) override
    {
        if (miniPlayerCaption)
            miniPlayerCaption(caption);
    }

    void Start() override;
    void Stop() override;
    void TextSongAktualisieren() override;
    void setTimer1(bool on) override;

private:
    PlayerComponent &m_player;
    CatalogueComponent &m_catalogue;
    StatusBar &m_status;
};

} // namespace klangtruhe
