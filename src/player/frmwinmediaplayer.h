#pragma once

#include <QWidget>
#include <memory>

namespace klangtruhe {

class MediaComponent;

// The movie window: films and pictures play here instead of in the main
// window's small player. Its own buttons and remembered placement come later.
class frmWinMediaPlayer : public QWidget {
    Q_OBJECT
public:
    explicit frmWinMediaPlayer(bool fakeMedia, QWidget *parent = nullptr);
    ~frmWinMediaPlayer() override;

    MediaComponent &WindowsMediaPlayer1() { return *m_player; }

private:
    std::unique_ptr<MediaComponent> m_player;
};

} // namespace klangtruhe
