#include "common/gradient.h"
#include "common/positionform.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using namespace klangtruhe;

namespace {
const QRect workArea(0, 0, 1920, 1040); // a task bar of 40 pixels below
const QSize dialog(412, 153);
} // namespace

TEST(PlaceDialog, CentresOverTheReferenceForAnyUnknownWordAndAnyLetterCase)
{
    const QRect reference(100, 100, 1000, 700);
    const QPoint centred(100 + (1000 - 412) / 2, 100 + (700 - 153) / 2);
    for (const char *word : {"center", "CENTER", "Center", "middle", ""})
        EXPECT_EQ(placeDialog(workArea, reference, dialog, QString::fromLatin1(word), 10), centred) << word;

    const QRect middle(600, 300, 600, 400);
    EXPECT_EQ(placeDialog(workArea, middle, dialog, QStringLiteral("RIGHT"), 10), QPoint(1210, 423));
    EXPECT_EQ(placeDialog(workArea, middle, dialog, QStringLiteral("Left"), 10), QPoint(178, 423));
    EXPECT_EQ(placeDialog(workArea, middle, dialog, QStringLiteral("below"), 10), QPoint(694, 710));
    EXPECT_EQ(placeDialog(workArea, middle, dialog, QStringLiteral("above"), 5), QPoint(694, 142));

    // Odd differences truncate toward zero, also when the dialog is the larger one.
    EXPECT_EQ(placeDialog(workArea, QRect(500, 500, 101, 101), QSize(104, 104), QStringLiteral("center"), 0),
              QPoint(500 - 1, 500 - 1));
}

TEST(PlaceDialog, StaysInsideTheWorkArea)
{
    // Half outside the left edge: the centred dialog would start left of it.
    EXPECT_EQ(placeDialog(workArea, QRect(-300, 200, 600, 400), dialog, QStringLiteral("center"), 10).x(), 0);
    // A work area that does not start at 0 (task bar on the left, second monitor).
    const QRect secondMonitor(1920, 60, 1280, 964);
    EXPECT_EQ(placeDialog(secondMonitor, QRect(1800, 0, 400, 100), dialog, QStringLiteral("center"), 10),
              QPoint(1920, 60));

    // Right of a window that touches the right edge: pushed back over the window.
    const QRect atRightEdge(1320, 300, 600, 400);
    EXPECT_EQ(placeDialog(workArea, atRightEdge, dialog, QStringLiteral("right"), 10),
              QPoint(1920 - 412, 300 + (400 - 153) / 2));
    EXPECT_EQ(placeDialog(workArea, QRect(100, 900, 600, 140), dialog, QStringLiteral("below"), 10).y(),
              1040 - 153);

    // Larger than the work area: the right and bottom edges win.
    EXPECT_EQ(placeDialog(workArea, QRect(0, 0, 800, 600), QSize(2000, 1200), QStringLiteral("center"), 10),
              QPoint(1920 - 2000, 1040 - 1200));
}

TEST(PositionForm, MovesTheDialogOverTheReferenceWindowOnItsScreen)
{
    QWidget reference;
    reference.setGeometry(40, 30, 500, 400);
    reference.show();
    QDialog placed(&reference);
    placed.resize(200, 100);
    PositionForm(&placed, &reference, QStringLiteral("center"), 10);
    const QRect area = workAreaNear(&reference);
    EXPECT_EQ(placed.pos(),
              placeDialog(area, reference.frameGeometry(), placed.size(), QStringLiteral("center"), 10));
    EXPECT_TRUE(area.contains(placed.frameGeometry()));
    EXPECT_FALSE(placed.isVisible()); // moving never shows or raises

    PositionForm(nullptr, &reference, QStringLiteral("center"), 10); // nothing to move: no crash
}

TEST(DrawGradient, RunsFromColourOneToColourTwoAlongTheChosenAxis)
{
    QWidget target;
    target.resize(100, 60);
    auto paint = [&target](quint32 c1, quint32 c2, int direction) {
        QImage image(target.size(), QImage::Format_RGB32);
        QPainter painter(&image);
        DrawGradient(&target, painter, c1, c2, direction);
        return image;
    };

    const QImage vertical = paint(0xF4EAE3, 0xDEC9AD, 1);
    EXPECT_EQ(QColor(vertical.pixel(0, 0)), QColor(227, 234, 244));
    EXPECT_EQ(QColor(vertical.pixel(99, 0)), QColor(227, 234, 244)); // only the vertical axis varies
    const QColor bottom(vertical.pixel(50, 59));
    EXPECT_NEAR(bottom.red(), 173, 3);
    EXPECT_NEAR(bottom.blue(), 222, 3);

    const QImage horizontal = paint(0x0000FF, 0xFF0000, 0);
    EXPECT_GT(QColor(horizontal.pixel(0, 59)).red(), 250);
    EXPECT_EQ(QColor(horizontal.pixel(0, 59)), QColor(horizontal.pixel(0, 0)));
    EXPECT_GT(QColor(horizontal.pixel(99, 0)).blue(), 245);

    // A system colour is read from the palette.
    EXPECT_EQ(winColour(0x8000000F, target.palette()), target.palette().color(QPalette::Button));
    EXPECT_EQ(winColour(0x352300), QColor(0, 35, 53));
}
