#include "mediacontract.h"
#include "player/qtmediacomponent.h"

namespace klangtruhe::test {

// The test environment asks for fake media everywhere; this process tests the
// real component, so it builds it by hand.
struct MakeQtMedia {
    static std::unique_ptr<MediaComponent> make() { return std::make_unique<QtMediaComponent>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(QtMediaComponent, MediaContract, MakeQtMedia);

} // namespace klangtruhe::test

#include "player/mediaview.h"

#include <QGuiApplication>
#include <QVideoWidget>
#include <QWindow>

TEST(MediaViewWithFilm, ClicksOnTheFilmWindowAreReported)
{
    using namespace klangtruhe;
    MediaView view;
    auto *video = new QVideoWidget;
    view.setVideoWidget(video);
    view.showPage(MediaView::Page::Video);
    view.resize(320, 200);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    // The film is drawn in a window of its own inside the video widget.
    QWindow *film = nullptr;
    for (QWindow *window : QGuiApplication::allWindows()) {
        if (!window->inherits("QWidgetWindow") && window != view.windowHandle())
            film = window;
    }
    ASSERT_NE(film, nullptr);
    QSignalSpy released(&view, &MediaView::mouseReleased);
    QTest::mouseClick(film, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(released.value(0).value(0).toInt(), 1);
}
