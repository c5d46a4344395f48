#include <QApplication>
#include <gtest/gtest.h>

#include "support/slotfailures.h"
#include "support/strandeddialogs.h"

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("KLANGTRUHE_MEDIA"))
        qputenv("KLANGTRUHE_MEDIA", "fake");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    klangtruhe::test::failOnQtWarningsFromSlots();
    klangtruhe::test::closeStrandedDialogs();
    return RUN_ALL_TESTS();
}
