#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace klangtruhe {

class Program;

// Asks for one line of text in the program's own input window, centred over
// the reference window. Returns the text without leading and trailing blanks
// on "&OK", and "" on "E&xit" or when the window is closed.
QString InputLumo(Program &program, QWidget *reference, const QString &prompt, const QString &title,
                  const QString &defaultText, std::optional<quint32> backColour = {},
                  std::optional<quint32> foreColour = {});

// The input window; InputLumo creates one per question.
class frmInputLumo : public QDialog {
    Q_OBJECT
public:
    frmInputLumo(Program &program, QWidget *parent = nullptr);

    void setUp(const QString &prompt, const QString &title, const QString &defaultText, quint32 backColour,
               quint32 foreColour);
    // The text box as the caller gets it.
    QString answer() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fitPrompt();
    void cmdOK_Click();
    void cmdExit_Click();

    Program &m_program;
    QLabel *m_lblText = nullptr;
    QLineEdit *m_txtInputText = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdExit = nullptr;
    bool m_activated = false;
};

// Removes leading and trailing blanks (spaces only, as the dialog always did).
QString trimBlanks(const QString &text);

} // namespace klangtruhe
