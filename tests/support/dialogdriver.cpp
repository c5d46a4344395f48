#include "support/dialogdriver.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTextEdit>
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

// Clicks the button; a missing or hidden one fails the test and closes the
// dialog, so the test does not hang.
void clickOrClose(QWidget *dialog, const QString &buttonName)
{
    auto *button = dialog->findChild<QAbstractButton *>(buttonName);
    if (!button || !button->isVisible()) {
        ADD_FAILURE() << "dialog " << dialog->objectName().toStdString() << " has no visible button "
                      << buttonName.toStdString();
        dialog->close();
        return;
    }
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

void onNextModalDialog(std::function<void(QWidget *dialog)> action, int timeoutMs)
{
    new ModalWatcher(std::move(action), timeoutMs);
}

void answerNextModalDialog(const QString &buttonName, int timeoutMs)
{
    onNextModalDialog([buttonName](QWidget *dialog) { clickOrClose(dialog, buttonName); }, timeoutMs);
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

void answerNextMessage(Asked &asked, const QString &button)
{
    onNextModalDialog([&asked, button](QWidget *dialog) {
        asked.title = dialog->windowTitle();
        if (const auto *text = dialog->findChild<QTextEdit *>(QStringLiteral("txtMsgText")))
            asked.text = text->toPlainText().remove(QLatin1Char('\r'));
        else
            ADD_FAILURE() << "not a message dialog: " << dialog->objectName().toStdString();
        clickOrClose(dialog, button);
    });
}

void answerNextInput(Asked &asked, const QString &answer, int timeoutMs)
{
    onNextModalDialog([&asked, answer](QWidget *dialog) {
        asked.title = dialog->windowTitle();
        if (const auto *prompt = dialog->findChild<QLabel *>(QStringLiteral("lblText")))
            asked.text = prompt->text();
        auto *input = dialog->findChild<QLineEdit *>(QStringLiteral("txtInputText"));
        if (!input) {
            ADD_FAILURE() << "not an input dialog: " << dialog->objectName().toStdString();
            dialog->close();
            return;
        }
        asked.preset = input->text();
        input->setText(answer);
        clickOrClose(dialog, answer.isEmpty() ? QStringLiteral("cmdExit") : QStringLiteral("cmdOK"));
    }, timeoutMs);
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

void chooseFileInNextDialog(const QString &path, const QString &title)
{
    onNextModalDialog([path, title](QWidget *dialog) {
        auto *files = qobject_cast<QFileDialog *>(dialog);
        ASSERT_NE(files, nullptr) << dialog->objectName().toStdString();
        if (!title.isNull()) {
            EXPECT_EQ(files->windowTitle(), title);
        }
        chooseFile(files, path);
    });
}

} // namespace klangtruhe::test
