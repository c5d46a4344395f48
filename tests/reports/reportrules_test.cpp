#include "catalogue/jetfunctions.h"
#include "player/playerrules.h"
#include "player/trackrating.h"
#include "reports/collectionhealth.h"
#include "reports/reportcsv.h"
#include "reports/statisticsrules.h"
#include "reports/valueparsing.h"

#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(ReportRules, PricesAsUsersTypedThem)
{
    const struct {
        const char *text;
        std::optional<long long> cents;
    } cases[] = {
        {"12,99", 1299},     {"12.99 €", 1299},  {"€ 12,99", 1299},     {"12,5", 1250},
        {"12", 1200},        {" 7 ", 700},       {"12,-", 1200},        {"20 DM", 2000},
        {"EUR 3,50", 350},   {"1.299", 129900},  {"1.299,00 €", 129900}, {"1 299,00", 129900},
        {"0,99", 99},        {"zwölf", std::nullopt}, {"ca. 10", std::nullopt}, {"-5", std::nullopt},
        {"12,999", std::nullopt}, {"12,99,1", std::nullopt}, {"", std::nullopt}, {"€", std::nullopt},
        {"10 / 12", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parsePriceCents(QString::fromUtf8(c.text)), c.cents) << c.text;
}

TEST(ReportRules, PurchaseDatesAsUsersTypedThem)
{
    using D = PurchaseDate;
    const struct {
        const char *text;
        std::optional<PurchaseDate> date;
    } cases[] = {
        {"1999", D{1999, 0, 0}},       {"03.1999", D{1999, 3, 0}},     {"3.1999", D{1999, 3, 0}},
        {"12.03.1999", D{1999, 3, 12}}, {"12.3.99", D{1999, 3, 12}},   {"1.1.05", D{2005, 1, 1}},
        {"1999-03-12", D{1999, 3, 12}}, {"12/03/1999", D{1999, 3, 12}}, {" 2001 ", D{2001, 0, 0}},
        {"29.02.2001", std::nullopt},  {"13.1999", std::nullopt},      {"31.04.1999", std::nullopt},
        {"Weihnachten 99", std::nullopt}, {"99", std::nullopt},        {"1850", std::nullopt},
        {"12.03.1999 abends", std::nullopt}, {"", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parsePurchaseDate(QString::fromUtf8(c.text)), c.date) << c.text;
}

TEST(ReportRules, WhatTheHealthCheckCallsDuplicatesRatingsAndPlayableFiles)
{
    EXPECT_EQ(germanFoldedKey("Die Ärzte"), germanFoldedKey("die ARZTE"));
    EXPECT_EQ(germanFoldedKey("Straße"), germanFoldedKey("STRASSE"));
    EXPECT_EQ(germanFoldedKey("Café"), "cafe");
    EXPECT_NE(germanFoldedKey("Abba"), germanFoldedKey("Abba Gold"));

    const struct {
        const char *name;
        bool unreadable;
    } ratings[] = {
        {"Song - 4.mp3", false}, {"Song - 0.mp3", false}, {"Song.mp3", false},   {"AC-DC.mp3", false},
        {"Side - A.mp3", false}, {"Track-2.mp3", false},  {"Beatles - 01.mp3", false}, {"Song - 6", false},
        {"Take 5 - 8.mp3", true}, {"Song - 9.flac", true}, {"Song - ?.mp3", true}, {"Song -5.mp3", true},
        {"Song- 5.mp3", true},    {"Song - 5 .mp3", true},
    };
    for (const auto &r : ratings)
        EXPECT_EQ(hasUnreadableRating(QString::fromUtf8(r.name)), r.unreadable) << r.name;

    for (const char *name : {"a.mp3", "B.FLAC", "c.ogg", "d.m4a", "e.wav", "f.avi", "g.mkv", "h.opus"})
        EXPECT_TRUE(isPlayableFile(QString::fromLatin1(name))) << name;
    for (const char *name : {"cover.jpg", "booklet.pdf", "album.cue", "liste.m3u", "info.txt", "mp3"})
        EXPECT_FALSE(isPlayableFile(QString::fromLatin1(name))) << name;
}

TEST(ReportRules, StatisticsCountGroupAndNameWhatCannotBeRead)
{
    auto entry = [](const char *band, const char *medium, const char *price, const char *date, const char *rating,
                    bool digitised) {
        return StatisticsEntry{QString::fromUtf8(band), QString::fromUtf8(medium), QStringLiteral("Rock"),
                               QString::fromUtf8(price), QString::fromUtf8(date), QString::fromUtf8(rating), digitised};
    };
    const CatalogueStatistics stats = computeStatistics({
        entry("Die Ärzte", "CD", "12,99", "1999", "5", true),
        entry("die arzte", "CD", "10 €", "03.1999", "5", false),
        entry("Abba", "LP", "zwölf", "12.03.2001", "7", true),
        entry("Abba", " LP ", "", "irgendwann", "", false),
        entry("Can", "", "zwölf", "", "1", false),
    });
    EXPECT_EQ(stats.entries, 5);
    EXPECT_EQ(stats.perMedium, (std::vector<CountedName>{{"CD", 2}, {"LP", 2}, {"(ohne)", 1}}));
    EXPECT_EQ(stats.perStyle, (std::vector<CountedName>{{"Rock", 5}}));
    EXPECT_EQ(stats.perRating, (std::array<int, 7>{2, 1, 0, 0, 0, 2, 0}));
    EXPECT_EQ(stats.purchasesPerYear, (std::map<int, int>{{1999, 2}, {2001, 1}}));
    EXPECT_EQ(stats.topBands, (std::vector<CountedName>{{"Abba", 2}, {"Die Ärzte", 2}, {"Can", 1}}));
    EXPECT_EQ(stats.digitised, 2);
    ASSERT_EQ(stats.pricesPerMedium.size(), 3u);
    EXPECT_EQ(stats.pricesPerMedium[0].medium, "CD");
    EXPECT_EQ(stats.pricesPerMedium[0].totalCents, 2299);
    EXPECT_EQ(stats.pricesPerMedium[0].averageCents(), 1150);
    EXPECT_EQ(stats.pricesPerMedium[1].priced, 0);
    EXPECT_EQ(stats.unreadablePrices.count, 2);
    EXPECT_EQ(unreadableSummary(stats.unreadablePrices), QStringLiteral("2 (»zwölf«)"));
    EXPECT_EQ(unreadableSummary(stats.unreadableDates), QStringLiteral("1 (»irgendwann«)"));
    EXPECT_EQ(euroText(129900), QStringLiteral("1.299,00 €"));
}

TEST(ReportRules, CsvForSpreadsheetPrograms)
{
    const QByteArray bytes = csvBytes({QStringLiteral("Befund"), QStringLiteral("Band")},
                                      {{QStringLiteral("Kein Cover"), QStringLiteral("Die Ärzte")},
                                       {QStringLiteral("a;b"), QStringLiteral("Sag \"Hallo\"")},
                                       {QStringLiteral(" Rand"), QStringLiteral("zwei\r\nZeilen")}});
    EXPECT_EQ(bytes, QByteArray("\xEF\xBB\xBF"
                                "Befund;Band\r\n"
                                "Kein Cover;Die \xC3\x84rzte\r\n"
                                "\"a;b\";\"Sag \"\"Hallo\"\"\"\r\n"
                                "\" Rand\";\"zwei\r\nZeilen\"\r\n"));
    HealthReport report;
    report.findings.push_back({HealthKind::MusicFolderMissing, 3, QStringLiteral("Abba"), QStringLiteral("Gold"),
                               QStringLiteral("D:\\Musik\\Abba\\")});
    EXPECT_EQ(healthReportCsv(report), QByteArray("\xEF\xBB\xBF"
                                                  "Befund;Band;Titel;Ordner oder Datei\r\n"
                                                  "Musikordner fehlt;Abba;Gold;D:\\Musik\\Abba\\\r\n"));
}
