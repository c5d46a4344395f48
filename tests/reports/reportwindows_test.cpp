#include "media/coverprogram.h"

#include "app/settingkeys.h"

#include "reports/frmsammlungpruefen.h"
#include "reports/frmstatistik.h"
#include "support/dialogdriver.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

void clickCell(QAbstractItemView *view, const QModelIndex &index, bool twice = false)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) // the double click follows a first press, as with a real mouse
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

void saveNextFileAs(const QString &path)
{
    onNextModalDialog([path](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        ASSERT_NE(files, nullptr);
        // The dialog opens in the folder of the last report ("BerichtOrdner").
        EXPECT_EQ(QDir(files->directory()).absolutePath(), QFileInfo(path).absolutePath());
        files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(files, "accept");
    });
}

} // namespace

TEST(SammlungPruefen, ChecksTheWholeCatalogueListsByKindExportsAndShowsTheEntry)
{
    QTemporaryDir music;
    writeFile(music.path() + "/Gold/a.mp3", "ID3");
    CoverProgram p({Row{{"Band", "Abba"}, {"LPTitel", "Gold"}, {"Musikpfad", music.path() + "/Gold/"}},
                    Row{{"Band", "abba"}, {"LPTitel", "GOLD"}},
                    Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"}, {"Musikpfad", "D:\\Musik\\weg\\"}}},
                   {});
    ASSERT_NE(p.window(), nullptr);
    p.window()->program().settings.write(keys::BerichtOrdner, p.env.root());
    DatabaseError error;
    ASSERT_TRUE(p.window()->catalogue().applyRecordSource(
        QStringLiteral("select * from Schallplatten where Band like 'c*'"), error));

    QAction *menu = p.control<QAction>(QStringLiteral("mnuSammlungPruefen"));
    ASSERT_NE(menu, nullptr);
    menu->trigger();
    auto *report = p.control<frmSammlungPruefen>(QStringLiteral("frmSammlungPruefen"));
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(p.data().recordCount(), 3) << "the check covers the whole catalogue";
    EXPECT_EQ(report->findChild<QLabel *>(QStringLiteral("lblZusammenfassung"))->text(),
              QStringLiteral("3 Einträge geprüft, 6 Befunde."));

    auto *kinds = report->findChild<QTableWidget *>(QStringLiteral("lvwArten"));
    auto *findings = report->findChild<QTableView *>(QStringLiteral("lvwBefund"));
    ASSERT_TRUE(kinds && findings);
    EXPECT_EQ(kinds->item(5, 1)->text(), QStringLiteral("3")); // no entry has a cover
    QAbstractItemModel *rows = findings->model();
    EXPECT_EQ(rows->rowCount(), 6);

    // Export writes what the list holds.
    const QString csv = p.env.path(QStringLiteral("Bericht.csv"));
    saveNextFileAs(csv);
    QTest::mouseClick(report->findChild<QPushButton *>(QStringLiteral("cmdExport")), Qt::LeftButton);
    const QByteArray bytes = readFile(csv);
    EXPECT_TRUE(bytes.contains("Musikordner fehlt;Can;Tago Mago;D:\\Musik\\weg\\")) << bytes.constData();
    EXPECT_EQ(bytes.count("\r\n"), 7);

    // One kind at a time; a double click shows its entry in the main window.
    clickCell(kinds, kinds->model()->index(1, 0));
    ASSERT_EQ(rows->rowCount(), 1);
    QSignalSpy chosen(report, &frmSammlungPruefen::entryChosen);
    clickCell(findings, rows->index(0, 1), true);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(p.data().fieldValue(QStringLiteral("Band")), QStringLiteral("Can"));
    EXPECT_TRUE(report->isVisible());
}

TEST(Statistik, ChartsFollowTheSelectionNameWhatCannotBeReadAndSaveAPicture)
{
    CoverProgram p({Row{{"Band", "Abba"}, {"Medium", "CD"}, {"Preis", "12,99"}, {"Datum", "12.03.1999"}, {"Bewertung", "5"}},
                    Row{{"Band", "Can"}, {"Medium", "CD"}, {"Preis", "zwölf"}, {"Datum", "1999"}},
                    Row{{"Band", "Can"}, {"Medium", "LP"}, {"Preis", "20 DM"}, {"Datum", "Sommer"}}},
                   {});
    ASSERT_NE(p.window(), nullptr);
    p.window()->program().settings.write(keys::BerichtOrdner, p.env.root());
    QAction *menu = p.control<QAction>(QStringLiteral("mnuStatistik"));
    ASSERT_NE(menu, nullptr);
    menu->trigger();
    auto *window = p.control<frmStatistik>(QStringLiteral("frmStatistik"));
    ASSERT_NE(window, nullptr);
    auto *figures = window->findChild<QLabel *>(QStringLiteral("lblKennzahlen"));
    EXPECT_EQ(figures->text(), QStringLiteral("3 Einträge, davon 0 digitalisiert (0,0 %).\n"
                                              "Preise: 2 Einträge, zusammen 32,99 €, im Schnitt 16,50 €.\n"
                                              "Preis nicht lesbar: 1 (»zwölf«)\n"
                                              "Kaufdatum nicht lesbar: 1 (»Sommer«)"));
    auto barValues = [window](const char *name) {
        QList<qreal> values;
        auto *view = window->findChild<QChartView *>(QLatin1String(name));
        if (!view)
            return values;
        auto *bars = qobject_cast<QBarSeries *>(view->chart()->series().value(0));
        for (int i = 0; bars && i < bars->barSets().value(0)->count(); ++i)
            values << bars->barSets().value(0)->at(i);
        return values;
    };
    EXPECT_EQ(barValues("chartMedium"), (QList<qreal>{2, 1}));

    // A narrower selection has figures of its own.
    DatabaseError error;
    ASSERT_TRUE(p.window()->catalogue().applyRecordSource(
        QStringLiteral("select * from Schallplatten where Medium = 'LP'"), error));
    QTRY_COMPARE(barValues("chartMedium"), (QList<qreal>{1}));
    EXPECT_TRUE(figures->text().startsWith(QStringLiteral("1 Eintrag, ")));

    const QString png = p.env.path(QStringLiteral("Statistik.png"));
    saveNextFileAs(png);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdBildSpeichern")), Qt::LeftButton);
    const QImage picture(png);
    EXPECT_FALSE(picture.isNull());
    EXPECT_GT(picture.width(), 100);
}
