#include "app/qttranslation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace klangtruhe;

// Qt's standard buttons speak German inside the German program, whatever the
// system language; starting twice does not stack catalogues.
TEST(QtTranslation, StandardButtonsAreGermanAndTheCatalogueLoadsOnce)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    ASSERT_TRUE(installQtTranslations(*qApp));
    ASSERT_TRUE(installQtTranslations(*qApp));
    EXPECT_EQ(qApp->findChildren<QTranslator *>(QString(), Qt::FindDirectChildrenOnly).size(), 1);

    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Close);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(buttons.button(QDialogButtonBox::Close)->text(), QStringLiteral("Schließen"));
}
