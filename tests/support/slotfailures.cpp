#include "support/slotfailures.h"

#include <QString>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <cstdio>

namespace klangtruhe::test {

namespace {

void handler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    const QByteArray text = message.toLocal8Bit();
    std::fprintf(stderr, "%s\n", text.constData());
    const bool brokenConnection = message.contains(QLatin1String("QObject::connect"))
                                  || message.contains(QLatin1String("No such slot"))
                                  || message.contains(QLatin1String("No such signal"));
    if (type == QtCriticalMsg || type == QtFatalMsg || (type == QtWarningMsg && brokenConnection))
        ADD_FAILURE() << "Qt reported: " << text.constData();
}

} // namespace

void failOnQtWarningsFromSlots()
{
    qInstallMessageHandler(handler);
}

} // namespace klangtruhe::test
