#include "coverprogram.h"

#include "app/settingkeys.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

const QString deg = QString(QChar(0x00B0));

QColor centre(const QLabel *label)
{
    const QImage image = label->pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

bool nearly(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
}

struct Area {
    CoverProgram &p;
    QCheckBox *chk() const { return p.control<QCheckBox>(QStringLiteral("chkBildpfad")); }
    QComboBox *cbo() const { return p.control<QComboBox>(QStringLiteral("cboBildpfad")); }
    QLabel *img() const { return p.control<QLabel>(QStringLiteral("imgBildpfad")); }
    QLabel *bild1() const { return p.control<QLabel>(QStringLiteral("Bild1")); }
    QLabel *great() const { return p.control<QLabel>(QStringLiteral("picCoverGreat")); }
    bool externalShown() const { return chk()->isChecked() && !img()->isHidden() && !cbo()->isHidden() && bild1()->isHidden(); }
    bool storedShown() const { return !chk()->isChecked() && img()->isHidden() && cbo()->isHidden() && !bild1()->isHidden(); }
};

} // namespace

TEST(CoverArea, ExternalAndStoredPicturesTakeTurns)
{
    TestEnvironment paths; // the external covers lie outside the database folder
    const QString a = paths.path(QStringLiteral("Hüllen/vorne.jpg"));
    const QString b = paths.path(QStringLiteral("Hüllen/hinten.png"));
    writeFile(a, pictureBytes(Qt::red));
    writeFile(b, pictureBytes(Qt::blue, "PNG"));
    const QString stored = QString::fromLatin1(pictureBytes(Qt::green, "PNG").toHex());
    CoverProgram p({Row{{"Band", "Abba"}, {"LPTitel", "Gold"},
                        {"BildPfad", a + deg + paths.path(QStringLiteral("weg.jpg")) + deg + b + deg + "rest"}},
                    Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"}}},
                   {}, {{"BildLadePfad", "False"}},
                   QStringLiteral("update Schallplatten set Bilder = X'%1' where Band = 'Can'").arg(stored));
    Area area{p};

    // The stored picture of "Can" shows; the box stays unticked.
    p.data().setAbsolutePosition(1);
    EXPECT_TRUE(area.storedShown());
    EXPECT_TRUE(nearly(centre(area.bild1()), Qt::green));

    // "Abba" has no stored picture: the box ticks itself and the first external cover shows.
    p.data().setAbsolutePosition(0);
    EXPECT_TRUE(area.externalShown());
    EXPECT_EQ(area.chk()->text(), QStringLiteral("2 externe Cover"));
    ASSERT_EQ(area.cbo()->count(), 2);
    EXPECT_EQ(area.cbo()->currentText(), a);
    EXPECT_TRUE(nearly(centre(area.img()), Qt::red));

    // Choosing the second one shows it.
    area.p.covers().cboBildpfad_Choose(1);
    EXPECT_TRUE(nearly(centre(area.img()), Qt::blue));

    // Back to "Can" while ticked: no external cover, the stored picture returns.
    p.data().setAbsolutePosition(1);
    EXPECT_TRUE(area.storedShown());

    // Clicking the box by hand switches the area; closing the window stores the box.
    QTest::mouseClick(area.chk(), Qt::LeftButton);
    EXPECT_TRUE(area.externalShown());
    p.window()->close();
    EXPECT_EQ(p.window()->program().settings.read(keys::HaekchenBildpfad), QStringLiteral("1"));
}

TEST(CoverArea, EnlargedViewAndDatabaseFolderLookup)
{
    // Stored as a Windows path; found by its name in the cover folder.
    CoverProgram p({Row{{"Band", "Abba"}, {"LPTitel", "Gold"}, {"BildPfad", "D:\\alt\\Ärger & Co.jpg" + deg}},
                    Row{{"Band", "Zappa"}, {"LPTitel", "Apostrophe"}}},
                   {{"Ärger & Co.jpg", pictureBytes(Qt::yellow)}});
    Area area{p};
    QAction *menu = p.control<QAction>(QStringLiteral("mnuBildDatenbankpfad"));
    ASSERT_TRUE(menu->isEnabled());
    EXPECT_TRUE(menu->isChecked());
    p.data().setAbsolutePosition(1);
    p.data().setAbsolutePosition(0);
    EXPECT_TRUE(area.externalShown());
    EXPECT_EQ(area.chk()->text(), QStringLiteral("1 externes Cover"));
    EXPECT_EQ(area.cbo()->currentText(), p.env.path(QStringLiteral("Bilder/Ärger & Co.jpg")));

    // A press enlarges the picture; a press on the view closes it.
    QTest::mousePress(area.img(), Qt::LeftButton);
    ASSERT_TRUE(area.great()->isVisible());
    EXPECT_TRUE(nearly(centre(area.great()), Qt::yellow));
    QTest::mousePress(area.great(), Qt::LeftButton);
    EXPECT_FALSE(area.great()->isVisible());

    // Unchecking looks up the stored path itself, which does not exist here.
    menu->trigger();
    EXPECT_EQ(p.window()->program().settings.read(keys::BildLadePfad), QStringLiteral("False"));
    p.data().setAbsolutePosition(1);
    p.data().setAbsolutePosition(0);
    EXPECT_EQ(area.cbo()->count(), 0);
}
