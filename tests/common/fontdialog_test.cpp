#include "common/fontdialog.h"
#include "common/uifont.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace klangtruhe;

// A family's plain font opens the dialog on its upright, regular-weight,
// normal-width style, whatever order the system lists the styles in
// (DejaVu Sans lists "Oblique" first and has no style called "Normal").
TEST(FontDialog, OpensOnTheStartFontsOwnStyleAndHasAHelpButton)
{
    int checked = 0;
    for (const QString &family : QFontDatabase::families()) {
        const QStringList styles = QFontDatabase::styles(family);
        if (styles.size() < 2)
            continue;
        QFont start(family);
        start.setPointSize(10);
        const auto dialog = makeFontDialog(start, nullptr, QStringLiteral("Programmschrift"), {});
        const QFont shown = dialog->currentFont();
        const QString style = shown.styleName();
        SCOPED_TRACE((family + u'/' + style).toStdString());
        EXPECT_FALSE(QFontDatabase::italic(family, style));
        EXPECT_FALSE(style.contains(QLatin1String("Condensed")));
        EXPECT_LE(std::abs(QFontDatabase::weight(family, style) - QFont::Normal), 100);
        EXPECT_EQ(shown.pointSize(), 10);
        ++checked;
    }
    if (checked == 0)
        GTEST_SKIP() << "no font family with several styles on this system";

    int asked = 0;
    const auto dialog = makeFontDialog(QFont(), nullptr, QStringLiteral("Programmschrift"), [&] { ++asked; });
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Programmschrift"));
    auto *help = dialog->findChild<QPushButton *>(QStringLiteral("cmdHilfe"));
    ASSERT_NE(help, nullptr);
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(makeFontDialog(QFont(), nullptr, QString(), {})->findChild<QPushButton *>(QStringLiteral("cmdHilfe")),
              nullptr);
}

// A stored family this system lacks is drawn in the system's UI font, a
// fixed-pitch Windows font in its fixed font; an installed one stays as it
// is (in the system's spelling). The font dialog preselects the usable family.
TEST(FontDialog, MissingFamiliesFallBackToTheSystemsUiOrFixedFont)
{
    const QStringList installed = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Serif")};
    const QString ui = QStringLiteral("UI Sans"), fixed = QStringLiteral("UI Mono");
    const struct {
        const char *wanted;
        const char *expected;
    } cases[] = {
        {"DejaVu Sans", "DejaVu Sans"}, {"dejavu sans", "DejaVu Sans"}, {" Noto Serif ", "Noto Serif"},
        {"Segoe UI", "UI Sans"},        {"Trebuchet MS", "UI Sans"},    {"", "UI Sans"},
        {"Courier New", "UI Mono"},     {"consolas", "UI Mono"},        {"Lucida Console", "UI Mono"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(usableFontFamily(QString::fromLatin1(c.wanted), installed, ui, fixed), QLatin1String(c.expected))
            << c.wanted;

    QFont missing(QStringLiteral("Segoe UI Nowhere"));
    missing.setPointSize(12);
    const auto dialog = makeFontDialog(missing, nullptr, QStringLiteral("Schriftart"), {});
    EXPECT_EQ(dialog->currentFont().family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_EQ(dialog->currentFont().pointSize(), 12);
    EXPECT_EQ(uiFont(QStringLiteral("Segoe UI Nowhere"), 9).family(),
              QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
}
