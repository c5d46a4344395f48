#include "searchprogram.h"

#include "lists/playlistcomponent.h"
#include "search/searchrules.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

template <typename T>
T *child(QWidget *dialog, const QString &name)
{
    T *widget = dialog->findChild<T *>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

void click(QWidget *dialog, const QString &name)
{
    if (auto *widget = child<QWidget>(dialog, name))
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
}

QString stored(SearchProgram &p, const char *key)
{
    return p.program().settings.read(QStringLiteral("KlangtruhePlayer"), QStringLiteral("Options"),
                                     QString::fromLatin1(key), QString());
}

} // namespace

TEST(Suchbox, ClickRulesThenOkReplacesTheFirstOccurrence)
{
    SearchProgram p;
    QAction *menu = p.window()->findChild<QAction *>(QStringLiteral("MenuSuchen"));
    ASSERT_TRUE(menu && menu->isEnabled());

    Asked hint, report;
    onNextModalDialog([&](QWidget *dialog) {
        // Replacing over all fields is refused, and "Alle" goes.
        answerNextMessage(hint);
        click(dialog, QStringLiteral("chkErsetzen"));
        EXPECT_EQ(hint.line(), QStringLiteral("Hinweis|Bitte wählen Sie die Spalte(n) aus, in der Sie ersetzen wollen."));
        EXPECT_FALSE(child<QCheckBox>(dialog, QStringLiteral("chkErsetzen"))->isChecked());

        click(dialog, QStringLiteral("chkSpaltenname_1"));
        auto *text = child<QLineEdit>(dialog, QStringLiteral("txtSuchen"));
        QTest::keyClicks(text, QStringLiteral("Li'v'e"));
        EXPECT_EQ(text->text(), QStringLiteral("Live")) << "the apostrophe is not taken";
        click(dialog, QStringLiteral("chkErsetzen"));
        child<QLineEdit>(dialog, QStringLiteral("txtErsetzen"))->setText(QStringLiteral("Konzert's"));
        answerNextMessage(report);
        click(dialog, QStringLiteral("ButtonOk"));
    });
    menu->trigger();
    EXPECT_EQ(stored(p, "Data1RecordSource"),
              QStringLiteral("select * from Schallplatten where LPTitel like '*Live*' order by LPTitel"));
    EXPECT_EQ(report.line(), QStringLiteral("Datensätze ersetzen|1 Datensätze ersetzt!"));
    EXPECT_EQ(p.data().recordCount(), 0) << "the refreshed search no longer finds the replaced title";
    EXPECT_EQ(querySingle(p.env.path("sammlung.mdb"), QStringLiteral("select LPTitel from Schallplatten where Band = 'Abbey Beat'")).toString(),
              QStringLiteral("Konzert's im Stadion"));
}

TEST(Suchbox, SongRatingCollectsUnratedTracksIntoANamedPlaylist)
{
    SearchProgram p;
    Asked name;
    onNextModalDialog([&name](QWidget *dialog) {
        click(dialog, QStringLiteral("chkBewertungSong"));
        EXPECT_EQ(child<QCheckBox>(dialog, QStringLiteral("chkSpaltenname_%1").arg(kSongsBox))->checkState(), Qt::Checked);
        click(dialog, QStringLiteral("imgStern_0"));
        EXPECT_EQ(child<QLineEdit>(dialog, QStringLiteral("txtSuchen"))->text(), QStringLiteral(" - 0."));
        answerNextInput(name, QStringLiteral("Best"), 60000);
        click(dialog, QStringLiteral("ButtonOk"));
    });
    p.window()->findChild<QAction *>(QStringLiteral("MenuSuchen"))->trigger();
    PlaylistComponent &lists = p.window()->playlists();
    EXPECT_EQ(lists.PlaylistName, QStringLiteral("Best.txt"));
    const QByteArray saved = readFile(lists.playlistFolder() + QStringLiteral("Best.txt"));
    EXPECT_EQ(saved.count("\r\n"), 20) << "the twenty unrated tracks of the one entry with music";
    EXPECT_EQ(saved, readFile(lists.playlistFolder() + QStringLiteral("Suchliste.txt")));
    EXPECT_EQ(p.data().recordCount(), 4) << "the collection walks the table as it stood";
    EXPECT_FALSE(p.program().songRatingSearch);
}
