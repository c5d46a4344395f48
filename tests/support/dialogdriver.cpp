#include "support/dialogdriver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

namespace klangtruhe::test {

namespace {

// Polls for the dialog from a timer, which keeps firing inside exec().
class ModalWatcher : public QObject {
public:
    ModalWatcher(std::function<void(QWidget *)> action, int timeoutMs)
        : QObject(qApp)
        , m_action(std::move(action))
        , m_before(QApplication::activeModalWidget())
        , m_timeoutMs(timeoutMs)
    {
        m_clock.start();
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::poll);
        m_timer.start(10);
    }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != m_before && modal->isVisible()) {
            m_timer.stop();
            deleteLater();
            m_action(modal);
            return;
        }
        if (m_clock.elapsed() > m_timeoutMs) {
            m_timer.stop();
            deleteLater();
            ADD_FAILURE() << "no modal dialog appeared within " << m_timeoutMs << " ms";
        }
    }

    std::function<void(QWidget *)> m_action;
    QPointer<QWidget> m_before;
    int m_timeoutMs;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

} // namespace

void onNextModalDialog(std::function<void(QWidget *dialog)> action, int timeoutMs)
{
    new ModalWatcher(std::move(action), timeoutMs);
}

void answerNextModalDialog(const QString &buttonName, int timeoutMs)
{
    onNextModalDialog(
        [buttonName](QWidget *dialog) {
            auto *button = dialog->findChild<QAbstractButton *>(buttonName);
            if (!button || !button->isVisible()) {
                ADD_FAILURE() << "dialog " << dialog->objectName().toStdString() << " has no visible button "
                              << buttonName.toStdString();
                dialog->close();
                return;
            }
            QTest::mouseClick(button, Qt::LeftButton);
        },
        timeoutMs);
}

void pressKeyInNextModalDialog(Qt::Key key, int timeoutMs)
{
    onNextModalDialog(
        [key](QWidget *dialog) {
            QWidget *target = dialog->focusWidget() ? dialog->focusWidget() : dialog;
            QTest::keyClick(target, key);
        },
        timeoutMs);
}

void closeNextModalDialog(int timeoutMs)
{
    onNextModalDialog([](QWidget *dialog) { dialog->close(); }, timeoutMs);
}

} // namespace klangtruhe::test

namespace klangtruhe::test {

void chooseFile(QFileDialog *dialog, const QString &path)
{
    const QFileInfo file(path);
    dialog->setDirectory(file.absolutePath());
    // A file the dialog selected in its list (the one it opened on) would win
    // over the typed name.
    for (QAbstractItemView *view : dialog->findChildren<QAbstractItemView *>())
        if (view->selectionModel())
            view->selectionModel()->clearSelection();
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(file.absoluteFilePath());
    else
        dialog->selectFile(file.absoluteFilePath());
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace klangtruhe::test
