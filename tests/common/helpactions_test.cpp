#include "common/helpactions.h"
#include "programfixture.h"
#include "support/dialogdriver.h"

#include <QFileInfo>
#include <QUrl>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

class HelpActions : public ProgramFixture {
protected:
    QString helpFile(const QString &page) const
    {
        return QDir::toNativeSeparators(inProgramFolder(QStringLiteral("Klangtruhe-Hilfe/") + page));
    }
};

} // namespace

TEST_F(HelpActions, ShowHelpOpensThePageOfTheTopicAndNothingWithoutIt)
{
    ShowHelp(*program, QString());
    ShowHelp(*program, QStringLiteral("spaltenanordnen.html"));
    EXPECT_TRUE(recorder->opened.isEmpty()); // no help installed: nothing happens

    writeFile(helpFile(QStringLiteral("index.html")), "<html></html>");
    writeFile(helpFile(QStringLiteral("spaltenanordnen.html")), "<html></html>");
    ShowHelp(*program, QString());
    ShowHelp(*program, QStringLiteral("spaltenanordnen.html"));
    ShowHelp(*program, QStringLiteral("spaltenanordnen.html#breite"));
    ShowHelp(*program, QStringLiteral("gibtsnicht.html"));
    ShowHelp(*program, QStringLiteral("../readme.txt"));
    ASSERT_EQ(recorder->opened.size(), 3);
    EXPECT_EQ(recorder->opened.at(0), helpFile(QStringLiteral("index.html")));
    EXPECT_EQ(recorder->opened.at(1), helpFile(QStringLiteral("spaltenanordnen.html")));
    const QUrl withAnchor(recorder->opened.at(2));
    EXPECT_EQ(QFileInfo(withAnchor.toLocalFile()).fileName(), QStringLiteral("spaltenanordnen.html"));
    EXPECT_EQ(withAnchor.fragment(), QStringLiteral("breite"));
}

TEST_F(HelpActions, WebPagesLicenceAndUpdate)
{
    mnuWebsiteAufrufen(*program, &reference);
    mnuNutzungslizenz(*program, &reference);
    writeFile(inProgramFolder(QStringLiteral("Lizenz.txt")), "Lizenz");
    mnuNutzungslizenz(*program, &reference);
    const QString licence = QStringLiteral("https://www.fernwerk.de/nutzungslizenz.html");
    EXPECT_EQ(recorder->opened, (QStringList{QStringLiteral("https://www.fernwerk.de/klangtruhe.html"), licence, licence}))
        << "the page, also when a licence file lies beside the program";
    recorder->opened.clear();

    // "E&xit" opens nothing; "&OK" opens the address of the setting "Update".
    Asked version;
    answerNextMessage(version, QStringLiteral("cmdButton_3"));
    mnuUpdateSuchen(*program, &reference);
    EXPECT_TRUE(recorder->opened.isEmpty());
    EXPECT_EQ(version.title, QStringLiteral("Programminformation"));
    EXPECT_TRUE(version.text.startsWith(QStringLiteral("aktuelle Version: ")));
    EXPECT_EQ(version.text.count(QLatin1Char('.')), 2);

    program->settings.write(keys::Update, QStringLiteral("https://example.org/neu.html"));
    answerNextModalDialog(QStringLiteral("cmdButton_0"));
    mnuUpdateSuchen(*program, &reference);
    EXPECT_EQ(recorder->opened, QStringList{QStringLiteral("https://example.org/neu.html")});
}

TEST_F(HelpActions, ReadMeAndCompanionToolsStartOnlyWhenTheirFileIsThere)
{
    // The read-me needs the file and a program associated with it.
    mnuReadMe(*program, &reference);
    const QString readme = inProgramFolder(QStringLiteral("readme.txt"));
    writeFile(readme, "Hallo");
    mnuReadMe(*program, &reference);
    EXPECT_TRUE(recorder->started.isEmpty());
    recorder->associatedProgram = QStringLiteral("/usr/bin/editor");
    mnuReadMe(*program, &reference);
    EXPECT_EQ(recorder->started, QStringList{QStringLiteral("/usr/bin/editor ") + readme});
    recorder->started.clear();

    Asked missing;
    answerNextMessage(missing);
    mnuDVDplayer(*program, &reference);
    EXPECT_EQ(missing.line(), QStringLiteral("DVD-Player starten|Bildling.exe nicht gefunden."));
    EXPECT_TRUE(recorder->started.isEmpty());

    const QString tool = inProgramFolder(QStringLiteral("Rundling.exe"));
    writeFile(tool, "MZ");
    mnuCDplayer(*program, &reference);
    EXPECT_EQ(recorder->started, QStringList{tool});

    // "Klangtruhe starten" ends this program only when the other one starts.
    QStringList steps;
    const auto closeMini = [&steps] { steps << QStringLiteral("mini"); };
    const auto closeAll = [&steps] { steps << QStringLiteral("alle"); };
    mnuKlangtruhe(*program, &reference, closeMini, closeAll);
    EXPECT_TRUE(steps.isEmpty());
    writeFile(inProgramFolder(QStringLiteral("Klangtruhe.exe")), "MZ");
    mnuKlangtruhe(*program, &reference, closeMini, closeAll);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("mini"), QStringLiteral("alle")}));
    EXPECT_EQ(recorder->started.last(), inProgramFolder(QStringLiteral("Klangtruhe.exe")));
}
