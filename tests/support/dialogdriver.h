#pragma once

#include <QString>
#include <Qt>
#include <functional>

class QWidget;

// Driving the program's modal dialogs from a test. A modal dialog blocks the
// caller in exec(), so the answer is scheduled first and given from inside
// the dialog's own event loop:
//
//     answerNextModalDialog(QStringLiteral("cmdButton_1"));
//     const QString answer = MsgLumo(...);
namespace klangtruhe::test {

// Runs the action on the next modal dialog that opens (one other than the
// modal dialog on top now). A test failure is recorded when none appears
// within the timeout.
void onNextModalDialog(std::function<void(QWidget *dialog)> action, int timeoutMs = 5000);

// Clicks the button with that object name in the next modal dialog. When the
// button is missing or hidden the test fails and the dialog is closed, so the
// test does not hang.
void answerNextModalDialog(const QString &buttonName, int timeoutMs = 5000);

// Sends a key press and release to the focused control of the next modal
// dialog (the dialog itself when nothing has the focus).
void pressKeyInNextModalDialog(Qt::Key key, int timeoutMs = 5000);

// Closes the next modal dialog as its close box would.
void closeNextModalDialog(int timeoutMs = 5000);

// What a message or input dialog of the program showed.
struct Asked {
    QString title;
    QString text;   // the message (line breaks as "\n"), or the prompt of an input dialog
    QString preset; // what an input dialog offered
    QString line() const { return title + QLatin1Char('|') + text; }
};

// Records the next message dialog and clicks the button, the first one unless named.
void answerNextMessage(Asked &asked, const QString &button = QStringLiteral("cmdButton_0"));

// Records the next input dialog, types the answer and clicks OK; an empty
// answer clicks E&xit.
void answerNextInput(Asked &asked, const QString &answer, int timeoutMs = 5000);

} // namespace klangtruhe::test

class QFileDialog;
namespace klangtruhe::test {

// Chooses the file in an open file dialog and accepts it, as a user typing
// the whole path would. (selectFile() alone races the dialog's folder
// listing: once listed, the file it opened on is selected and wins.)
void chooseFile(QFileDialog *dialog, const QString &path);

// Chooses the file in the next modal dialog, which must be a file dialog
// (with that title, when one is given).
void chooseFileInNextDialog(const QString &path, const QString &title = {});

} // namespace klangtruhe::test
