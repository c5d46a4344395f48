#include "catalogue/jetimport.h"
#include "catalogue/jetreader.h"
#include "catalogue/olepicture.h"
#include "support/catalogues.h"
#include "support/tempfolders.h"

#include <QDir>
#include <QProcess>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

QString jetFile(const char *name)
{
    return QStringLiteral(KLANGTRUHE_TEST_DATA_DIR "/jet/") + QLatin1String(name);
}

// Every value of one column of a table, in file order.
QList<QByteArray> columnValues(const QString &path, const QString &table, const QString &column)
{
    QString error;
    auto reader = openJetTable(path, table, error);
    EXPECT_TRUE(reader) << error.toStdString();
    QList<QByteArray> values;
    if (!reader)
        return values;
    const int index = int(reader->columnNames().indexOf(column));
    while (reader->nextRow())
        values << reader->value(index);
    return values;
}

QByteArray uint32le(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// An Access OLE field around native data of the given class.
QByteArray oleField(const QByteArray &native, quint32 declaredSize)
{
    QByteArray header("\x15\x1C\x14\x00", 4);
    header += QByteArray(16, 'h'); // the rest of the 20-byte Access header
    return header + uint32le(0x0501) + uint32le(2) + uint32le(7) + QByteArray("PBrush\0", 7) + uint32le(0)
           + uint32le(0) + uint32le(declaredSize) + native;
}

} // namespace

TEST(JetReader, Jet3TextIsConvertedFromTheCodePage)
{
    const QString file = jetFile("test2V1997.mdb");
    EXPECT_EQ(columnValues(file, QStringLiteral("MSP_PROJECTS"), QStringLiteral("PROJ_OPT_CURRENCY_SYMBOL")),
              QList<QByteArray>{QByteArray("£")});
    const QList<QByteArray> memo = columnValues(file, QStringLiteral("MSP_PROJECTS"), QStringLiteral("PROJ_PROP_AUTHOR"));
    ASSERT_EQ(memo.size(), 1);
    EXPECT_EQ(memo[0].size(), 348);
    EXPECT_TRUE(memo[0].startsWith("Jon Iles"));
}

TEST(OlePicture, TheWrapperComesOffOnlyAroundAWholePicture)
{
    const QByteArray bmp = QByteArray("BM") + QByteArray(60, 'x');
    const QByteArray jpeg = QByteArray("\xFF\xD8\xFF\xE0", 4) + QByteArray(40, 'j');
    struct Case {
        const char *name;
        QByteArray field;
        QByteArray expected;
        bool unwrapped;
    };
    const Case cases[] = {
        {"paint bitmap", oleField(bmp, quint32(bmp.size())), bmp, true},
        {"bare jpeg", jpeg, jpeg, false},
        {"size beyond the end", oleField(bmp, quint32(bmp.size() + 1)), oleField(bmp, quint32(bmp.size() + 1)), false},
        {"native data no picture", oleField("nothing", 7), oleField("nothing", 7), false},
        {"header only", QByteArray("\x15\x1C\x14\x00", 4), QByteArray("\x15\x1C\x14\x00", 4), false},
    };
    for (const Case &c : cases) {
        bool unwrapped = !c.unwrapped;
        EXPECT_EQ(unwrapOlePicture(c.field, &unwrapped), c.expected) << c.name;
        EXPECT_EQ(unwrapped, c.unwrapped) << c.name;
    }
}

TEST(JetImport, BadSourcesGiveAGermanMessageAndWriteNothing)
{
    TestEnvironment env;
    const QByteArray jet4 = readFile(jetFile("Klang_jet4.mdb"));
    QByteArray ace = jet4;
    ace.replace(4, 15, "Standard ACE DB");
    // The password lies coded in the header; any change of its bytes is one.
    QByteArray locked = jet4;
    locked[0x42] = char(locked[0x42] ^ 0x55);
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *message;
    };
    const Case cases[] = {
        {"leer.mdb", QByteArray(), "leer oder beschädigt"},
        {"abgeschnitten.mdb", jet4.left(jet4.size() / 2 + 100), "beschädigt"},
        {"neu.accdb", ace, "ACE"},
        {"kennwort.mdb", locked, "Kennwort"},
        {"fremd.mdb", readFile(jetFile("test2V1997.mdb")), "Schallplatten"},
    };
    for (const Case &c : cases) {
        const QString folder = env.path(QString::fromLatin1(c.name) + QStringLiteral(".d"));
        const QString source = folder + QLatin1Char('/') + QLatin1String(c.name);
        writeFile(source, c.bytes);
        JetImportReport report;
        QString error;
        EXPECT_FALSE(importJetCatalogue(source, importTargetPath(source), report, error)) << c.name;
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.message))) << c.name << ": " << error.toStdString();
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QLatin1String(c.name)}) << c.name;
        EXPECT_EQ(readFile(source), c.bytes) << c.name;
    }
}

TEST(JetImport, TheCommandLineConvertsTheCatalogue)
{
    TestEnvironment env;
    const QString source = env.path(QStringLiteral("Alt.mdb"));
    writeFile(source, readFile(jetFile("Klang_jet4.mdb")));
    const QString target = env.path(QStringLiteral("Neu.mdb"));
    QProcess process;
    process.start(QStringLiteral(KLANGTRUHE_EXECUTABLE), {QStringLiteral("--import"), source, target});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    const QString report = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_TRUE(report.contains(QStringLiteral("6 Einträge eingelesen, 1 Bilder ausgepackt"))) << report.toStdString();

    EXPECT_EQ(querySingle(target, QStringLiteral("select count(*) from Schallplatten where Band = 'Motörhead'")).toInt(), 1);
    // Rich texts arrive byte for byte, the long memo in full.
    EXPECT_EQ(querySingle(target, QStringLiteral("select max(max(length(coalesce(Songs, '')), length(coalesce(SongText, '')), "
                                                 "length(coalesce(InternetTab, '')), length(coalesce(InfoTab, '')), "
                                                 "length(coalesce(SonstigesTab, '')))) from Schallplatten")).toInt(),
              100007);
    const QList<QByteArray> songTexts = columnValues(source, QStringLiteral("Schallplatten"), QStringLiteral("SongText"));
    QByteArray joined;
    for (const QByteArray &text : songTexts)
        joined += text;
    EXPECT_EQ(querySingle(target, QStringLiteral("select group_concat(coalesce(SongText, ''), '') from (select SongText from Schallplatten order by rowid)")).toByteArray(),
              joined);
    // The Paint bitmap comes out as a BMP file; the JPEG is unchanged.
    EXPECT_EQ(querySingle(target, QStringLiteral("select count(*) from Schallplatten where hex(substr(Bilder, 1, 2)) = '424D'")).toInt(), 1);
    EXPECT_EQ(querySingle(target, QStringLiteral("select count(*) from Schallplatten where hex(substr(Bilder, 1, 3)) = 'FFD8FF'")).toInt(), 1);
    EXPECT_EQ(readFile(source), readFile(jetFile("Klang_jet4.mdb")));
}
