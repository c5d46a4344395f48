#include "app/toolbuttons.h"

#include "app/icons.h"
#include "app/mainlayout.h"
#include "common/twips.h"

#include <QAction>
#include <QMainWindow>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QToolButton>
#include <algorithm>

namespace klangtruhe {

namespace {

struct ToolButton {
    int index;
    const char *toolTip;
    const char *action;      // menu entry run by the left button
    const char *rightAction; // by the right button, if any
};

// Left to right as they stand in the row.
const ToolButton kToolButtons[] = {
    {10, " Datenbank laden ", "mnuOeffnen", nullptr},
    {2, " Aktualisieren ", "MenuAktualisieren", nullptr},
    {3, " Suchen ", "MenuSuchen", nullptr},
    {16, " Spaltenbreite optimieren ", "mnuSpaltenbreite", nullptr},
    {14, " Playlist ", "mnuPlaylistAnzeigen", "mnuPlaylistLaden"},
    {13, " Songtext ein/ausblenden ", "mnuSongTextEinAus", nullptr},
    {18, " mark. Text als Link ausführen ", "mnuWeblink", nullptr},
    {19, " DeepL Translation ", "mnuTranslation", nullptr},
    {20, " DeepL Write ", "mnuDeeplWrite", nullptr},
    {5, " CD-Player ", "mnuCDplayer", nullptr},
    {11, " DVD-Player ", "mnuDVDplayer", nullptr},
    {12, " WebCam ", "mnuWebCam", nullptr},
    {17, " Klangtruhe starten ", "mnuKlangtruhe", nullptr},
    {9, " Beenden ", "mnuBeenden", nullptr},
};

// A tool button that also answers the right mouse button.
class PictureToolButton : public QToolButton {
public:
    using QToolButton::QToolButton;
    QAction *rightAction = nullptr;

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::RightButton && rightAction && rect().contains(event->pos())) {
            if (rightAction->isEnabled())
                rightAction->trigger();
            return;
        }
        QToolButton::mouseReleaseEvent(event);
    }
};

} // namespace

QList<QToolButton *> createToolButtons(QMainWindow &window, QWidget *area)
{
    QList<QToolButton *> buttons;
    const auto &first = layout::kToolButtonFirst;
    int position = 0;
    for (const ToolButton &entry : kToolButtons) {
        auto *button = new PictureToolButton(area);
        button->setObjectName(QStringLiteral("cmdButton_%1").arg(entry.index));
        button->setToolTip(QString::fromUtf8(entry.toolTip));
        button->setIcon(klangtruheIcon(toolButtonIconName(entry.index)));
        button->setIconSize(QSize(twipsToPixelsX(first.width) - 10, twipsToPixelsY(first.height) - 10));
        button->setAutoRaise(true);
        button->setGeometry(twipsRect(first.left + position * layout::kToolButtonStep, first.top, first.width, first.height));
        if (entry.index == 18) {
            // The one button with a caption: small text under a smaller picture.
            button->setText(QStringLiteral("Internet"));
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            QFont small = button->font();
            const int room = twipsToPixelsX(first.width) - 6; // the button's own margins
            int pixels = std::max(7, twipsToPixelsY(first.height) / 4);
            small.setPixelSize(pixels);
            while (pixels > 6 && QFontMetrics(small).horizontalAdvance(button->text()) > room)
                small.setPixelSize(--pixels);
            button->setFont(small);
            const int side = twipsToPixelsY(first.height) - QFontMetrics(small).height() - 8;
            button->setIconSize(QSize(side, side));
        }
        ++position;
        auto *action = window.findChild<QAction *>(QString::fromLatin1(entry.action));
        if (entry.rightAction)
            button->rightAction = window.findChild<QAction *>(QString::fromLatin1(entry.rightAction));
        if (action) {
            const auto follow = [button, action] {
                button->setEnabled(action->isEnabled());
                // A hidden entry (a tool this system lacks) takes its button along.
                button->setHidden(!action->isVisible());
            };
            follow();
            QObject::connect(action, &QAction::changed, button, follow);
            QObject::connect(button, &QToolButton::clicked, action, [action] {
                if (action->isEnabled())
                    action->trigger();
            });
        }
        buttons << button;
    }
    return buttons;
}

} // namespace klangtruhe
