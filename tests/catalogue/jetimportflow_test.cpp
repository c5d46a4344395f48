#include "catalogue/cataloguecomponent.h"
#include "mainwindowharness.h"
#include "support/dialogdriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Answers the dialogs of one operation in their order. A step names a text
// the message must contain (or the object name of a dialog) and what to do.
// Polling by text keeps a short-lived dialog such as the progress window
// from taking an answer meant for the next one.
class DialogScript : public QObject {
public:
    struct Step {
        QString match;
        std::function<void(QWidget *)> action;
    };
    explicit DialogScript(std::vector<Step> steps)
        : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start(10);
    }
    ~DialogScript() override { EXPECT_EQ(m_done, m_steps.size()) << "dialogs that never came"; }

    static std::function<void(QWidget *)> click(const char *button)
    {
        return [button](QWidget *dialog) { dialog->findChild<QPushButton *>(QLatin1String(button))->click(); };
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == m_last || m_done >= m_steps.size())
            return;
        auto *text = modal->findChild<QTextEdit *>(QStringLiteral("txtMsgText"));
        const QString seen = text ? text->toPlainText() : modal->objectName();
        if (!seen.contains(m_steps[m_done].match))
            return;
        m_last = modal;
        m_steps[m_done++].action(modal);
    }
    std::vector<Step> m_steps;
    size_t m_done = 0;
    QPointer<QWidget> m_last;
    QTimer m_timer;
};

QString jetFile()
{
    return QStringLiteral(KLANGTRUHE_TEST_DATA_DIR "/jet/Klang_jet4.mdb");
}

} // namespace

TEST(JetImportFlow, OpeningAnAccessFileAsksConvertsBesideItOpensTheCopyAndNeverOverwrites)
{
    MainWindowHarness h({Row{{"Band", "Can"}}});
    const QString folder = h.env.path(QStringLiteral("Sammlung"));
    const QString source = folder + QStringLiteral("/Alt.mdb");
    writeFile(source, readFile(jetFile()));

    // "Nein": nothing is written, the open catalogue stays.
    {
        DialogScript script({{QStringLiteral("umgewandelt werden?"), DialogScript::click("cmdButton_2")}});
        h.catalogue().OpenDatabase(source);
    }
    EXPECT_EQ(h.data().recordCount(), 1);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("Alt.mdb")});

    // "Ja": the copy beside it opens, the report follows, the drives are offered for mapping.
    {
        DialogScript script({{QStringLiteral("umgewandelt werden?"), DialogScript::click("cmdButton_1")},
                             {QStringLiteral("Alt (Klangtruhe).mdb"), DialogScript::click("cmdButton_0")},
                             {QStringLiteral("D:\\"), DialogScript::click("cmdButton_2")}});
        h.catalogue().OpenDatabase(source);
    }
    const QString converted = folder + QStringLiteral("/Alt (Klangtruhe).mdb");
    EXPECT_EQ(h.data().recordCount(), 6);
    EXPECT_EQ(QDir::fromNativeSeparators(h.catalogue().recentList()[0]), converted);

    // The name is taken now: the save dialog asks for another, the first copy stays as it was.
    const QByteArray first = readFile(converted);
    {
        DialogScript script({{QStringLiteral("umgewandelt werden?"), DialogScript::click("cmdButton_1")},
                             {QStringLiteral("besteht bereits"), DialogScript::click("cmdButton_0")},
                             {QStringLiteral("dlgDatenbankSpeichern"),
                              [&](QWidget *dialog) {
                                  auto *files = qobject_cast<QFileDialog *>(dialog);
                                  files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("Zweite.mdb"));
                                  QMetaObject::invokeMethod(files, "accept");
                              }},
                             {QStringLiteral("Einträge eingelesen"), DialogScript::click("cmdButton_0")},
                             {QStringLiteral("D:\\"), DialogScript::click("cmdButton_2")}});
        h.catalogue().OpenDatabase(source);
    }
    EXPECT_EQ(readFile(converted), first);
    EXPECT_EQ(QFileInfo(h.program().databasePath).fileName(), QStringLiteral("Zweite.mdb"));
    EXPECT_EQ(readFile(source), readFile(jetFile()));
}

TEST(JetImportFlow, AMappedWindowsMusicFolderShowsItsTracks)
{
    MainWindowHarness h({Row{{"Band", "ABBA"}, {"Musikpfad", "D:\\Musik\\Abba\\"}}});
    writeFile(h.env.path(QStringLiteral("Musik/Abba/Waterloo.mp3")), QByteArray(100, 'x'));
    writeFile(h.env.path(QStringLiteral("Musik/Abba/SOS.mp3")), QByteArray(100, 'x'));
    auto *tracks = h.find<QListWidget>(QStringLiteral("filTrack"));
    EXPECT_EQ(tracks->count(), 0);

    const QString local = h.env.path(QStringLiteral("Musik"));
    DialogScript script({{QStringLiteral("frmPfadzuordnung"), [&](QWidget *dialog) {
                              dialog->findChild<QPushButton *>(QStringLiteral("cmdNeu"))->click();
                              auto *pairs = dialog->findChild<QTableWidget *>(QStringLiteral("lstPfade"));
                              pairs->item(0, 0)->setText(QStringLiteral("d:\\musik"));
                              pairs->item(0, 1)->setText(local);
                              dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
                          }}});
    h.find<QAction>(QStringLiteral("mnuPfadzuordnung"))->trigger();
    ASSERT_EQ(tracks->count(), 2);
    EXPECT_EQ(h.data().fieldValue(QStringLiteral("Musikpfad")), QStringLiteral("D:\\Musik\\Abba\\")) << "the catalogue keeps its path";
    QSettings stored(h.env.settingsFile(), QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("Options/Pfadzuordnung")).toString(), QStringLiteral("d:\\musik|") + local);
}
