#include "coverprogram.h"

#include "media/coverrules.h"
#include "media/ebookcomponent.h"
#include "media/ebookrules.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {
const QString deg = QString(QChar(0x00B0));
}

TEST(EbookRules, ListedFilesCaptionAndCall)
{
    // The list itself is read as the covers' (CoverRules); the books have a folder of their own.
    TestEnvironment env;
    writeFile(env.path(QStringLiteral("eBook/buch.pdf")), "%PDF");
    EXPECT_EQ(existingListedFiles(QStringLiteral("D:\\alt\\buch.pdf") + deg, true, eBookFolder(env.root() + "/")),
              QStringList{env.path(QStringLiteral("eBook/buch.pdf"))});
    EXPECT_EQ(noAssociatedProgramText(QStringLiteral("C:\\Meine Bücher\\x.pdf")),
              QStringLiteral("Keine assoziierte Anwendung zu diesem Dateityp ermittelt.\r\n\r\nx.pdf"));

    auto shortForm = [](const QString &path) { return QStringLiteral("KURZ(%1)").arg(path); };
    const EbookCall blanks = eBookCall(QStringLiteral("C:\\Program Files\\Leser.exe") + QChar(u'\0') + "Rest",
                                       QStringLiteral("C:\\Meine Bücher\\x.pdf"), shortForm);
    EXPECT_EQ(blanks.program, QStringLiteral("KURZ(C:\\Program Files\\Leser.exe)"));
    EXPECT_EQ(blanks.file, QStringLiteral("KURZ(C:\\Meine Bücher\\x.pdf)"));
    const EbookCall plain = eBookCall(QStringLiteral("/usr/bin/evince"), QStringLiteral("/b/x.pdf"), shortForm);
    EXPECT_EQ(plain.program, QStringLiteral("/usr/bin/evince"));
    EXPECT_EQ(plain.file, QStringLiteral("/b/x.pdf"));
    EXPECT_TRUE(eBookCall(QString(), QStringLiteral("/b/x.pdf"), shortForm).program.isEmpty());
}

TEST(Ebook, ListFollowsTheEntryAndOpensTheChosenFile)
{
    TestEnvironment files;
    const QString a = files.path(QStringLiteral("Bücher/a.pdf"));
    const QString film = files.path(QStringLiteral("Filme/b.avi"));
    writeFile(a, "%PDF");
    writeFile(film, "RIFF");
    CoverProgram p({Row{{"Band", "Abba"}, {"LPTitel", "Gold"},
                        {"eBook", "  " + a + deg + files.path("weg.pdf") + deg + film + deg + a + "  "}},
                    Row{{"Band", "Can"}, {"LPTitel", "Tago Mago"}, {"eBook", "   "}}},
                   {}, {{"BildLadePfad", "False"}});
    QLabel *caption = p.control<QLabel>(QStringLiteral("Bez_11"));
    QComboBox *cbo = p.control<QComboBox>(QStringLiteral("cboEbook"));
    QLabel *button = p.control<QLabel>(QStringLiteral("imgEbookPlay"));
    ASSERT_TRUE(caption && cbo && button);

    p.data().setAbsolutePosition(1);
    EXPECT_EQ(caption->text(), QStringLiteral("eBook u. Multimedia (0)"));
    EXPECT_EQ(cbo->count(), 0);

    p.data().setAbsolutePosition(0);
    EXPECT_EQ(caption->text(), QStringLiteral("eBook u. Multimedia (2)"));
    EXPECT_EQ(cbo->count(), 2);
    EXPECT_EQ(cbo->currentText(), film); // the last existing file

    p.platform().associatedProgram = QStringLiteral("/usr/bin/totem");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(p.platform().started, QStringList{"/usr/bin/totem " + film});
}
