#include "app/program.h"
#include "common/helpactions.h"
#include "support/dialogdriver.h"
#include "support/recordingplatform.h"
#include "support/tempfolders.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextEdit>
#include <QUrl>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

class HelpActions : public ::testing::Test {
protected:
    HelpActions()
    {
        auto platform = std::make_unique<RecordingPlatform>();
        recorder = platform.get();
        program = std::make_unique<Program>(std::move(platform));
        program->programFolder = env.programFolder();
        QDir().mkpath(env.programFolder());
        mainWindow.resize(600, 400);
        mainWindow.show();
    }

    QString helpFile(const QString &page) const
    {
        return QDir::toNativeSeparators(env.programFolder() + QStringLiteral("Klangtruhe-Hilfe/") + page);
    }

    TestEnvironment env;
    RecordingPlatform *recorder = nullptr;
    std::unique_ptr<Program> program;
    QWidget mainWindow;
};

// Reads the next message dialog's text and title, then answers with the button.
void answerMessage(const QString &button, QString &text, QString &title)
{
    onNextModalDialog([button, &text, &title](QWidget *dialog) {
        text = dialog->findChild<QTextEdit *>(QStringLiteral("txtMsgText"))->toPlainText();
        title = dialog->windowTitle();
        dialog->findChild<QPushButton *>(button)->click();
    });
}

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

TEST_F(HelpActions, ReadMeNeedsTheFileAndAnAssociatedProgram)
{
    mnuReadMe(*program, &mainWindow);
    const QString readme = env.programFolder() + QStringLiteral("readme.txt");
    writeFile(readme, "Hallo");
    mnuReadMe(*program, &mainWindow); // nothing associated
    EXPECT_TRUE(recorder->started.isEmpty());
    recorder->associatedProgram = QStringLiteral("/usr/bin/editor");
    mnuReadMe(*program, &mainWindow);
    EXPECT_EQ(recorder->started, QStringList{QStringLiteral("/usr/bin/editor ") + readme});
}

TEST_F(HelpActions, WebPagesLicenceAndUpdate)
{
    mnuWebsiteAufrufen(*program, &mainWindow);
    mnuNutzungslizenz(*program, &mainWindow);
    writeFile(env.programFolder() + QStringLiteral("Lizenz.txt"), "Lizenz");
    mnuNutzungslizenz(*program, &mainWindow);
    EXPECT_EQ(recorder->opened,
              (QStringList{QStringLiteral("https://www.fernwerk.de/klangtruhe.html"),
                           QStringLiteral("https://www.fernwerk.de/nutzungslizenz.html"),
                           QStringLiteral("https://www.fernwerk.de/nutzungslizenz.html")}))
        << "the page, also when a licence file lies beside the program";
    recorder->opened.clear();

    // "E&xit" opens nothing; "&OK" opens the address of the setting "Update".
    QString shownText;
    QString title;
    answerMessage(QStringLiteral("cmdButton_3"), shownText, title);
    mnuUpdateSuchen(*program, &mainWindow);
    EXPECT_TRUE(recorder->opened.isEmpty());
    EXPECT_EQ(title, QStringLiteral("Programminformation"));
    EXPECT_TRUE(shownText.startsWith(QStringLiteral("aktuelle Version: ")));
    EXPECT_EQ(shownText.count(QLatin1Char('.')), 2);

    program->settings.write(keys::Update, QStringLiteral("https://example.org/neu.html"));
    answerNextModalDialog(QStringLiteral("cmdButton_0"));
    mnuUpdateSuchen(*program, &mainWindow);
    EXPECT_EQ(recorder->opened, QStringList{QStringLiteral("https://example.org/neu.html")});
}

TEST_F(HelpActions, CompanionToolsStartOrReportTheMissingFile)
{
    QString message;
    QString title;
    answerMessage(QStringLiteral("cmdButton_0"), message, title);
    mnuDVDplayer(*program, &mainWindow);
    EXPECT_EQ(message, QStringLiteral("Bildling.exe nicht gefunden."));
    EXPECT_EQ(title, QStringLiteral("DVD-Player starten"));
    EXPECT_TRUE(recorder->started.isEmpty());

    const QString tool = env.programFolder() + QStringLiteral("Rundling.exe");
    writeFile(tool, "MZ");
    mnuCDplayer(*program, &mainWindow);
    EXPECT_EQ(recorder->started, QStringList{tool});

    // "Klangtruhe starten" ends this program only when the other one starts.
    QStringList steps;
    const auto closeMini = [&steps] { steps << QStringLiteral("mini"); };
    const auto closeAll = [&steps] { steps << QStringLiteral("alle"); };
    mnuKlangtruhe(*program, &mainWindow, closeMini, closeAll);
    EXPECT_TRUE(steps.isEmpty());
    writeFile(env.programFolder() + QStringLiteral("Klangtruhe.exe"), "MZ");
    mnuKlangtruhe(*program, &mainWindow, closeMini, closeAll);
    EXPECT_EQ(steps, (QStringList{QStringLiteral("mini"), QStringLiteral("alle")}));
    EXPECT_EQ(recorder->started.last(), env.programFolder() + QStringLiteral("Klangtruhe.exe"));
}
