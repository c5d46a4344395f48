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

} // namespace klangtruhe::test

class QFileDialog;
namespace klangtruhe::test {

// Chooses the file in an open file dialog and accepts it, as a user typing
// the whole path would. (selectFile() alone races the dialog's folder
// listing: once listed, the file it opened on is selected and wins.)
void chooseFile(QFileDialog *dialog, const QString &path);

} // namespace klangtruhe::test
