#include "support/strandeddialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace klangtruhe::test {

namespace {

constexpr int kStrandedAfterMs = 30000;

} // namespace

void closeStrandedDialogs()
{
    auto *timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        static QPointer<QWidget> open;
        static QElapsedTimer since;
        QWidget *modal = QApplication::activeModalWidget();
        if (modal != open.data()) {
            open = modal;
            since.start();
            return;
        }
        if (modal && since.elapsed() > kStrandedAfterMs) {
            ADD_FAILURE() << "nobody answered the dialog " << modal->objectName().toStdString() << " \""
                          << modal->windowTitle().toStdString() << "\"";
            modal->close();
            open = nullptr;
        }
    });
    timer->start(500);
}

} // namespace klangtruhe::test
