#pragma once

#include "webtranslate/deeplrules.h"

#include <QObject>

class QMainWindow;

namespace klangtruhe {

class Program;

// "DeepL Translation" and "DeepL Write": the service's page opens in the
// browser and the chosen text of the entry waits on the clipboard to be
// pasted there. Nothing is sent from here.
class WebTranslateComponent : public QObject {
    Q_OBJECT
public:
    // Finds, enables and connects the menu entries mnuTranslation and mnuDeeplWrite.
    WebTranslateComponent(Program &program, QMainWindow &window);

    void mnuTranslation_Click() { openPage(DeeplPage::Translation); }
    void mnuDeeplWrite_Click() { openPage(DeeplPage::Write); }

private:
    void openPage(DeeplPage page);
    QString chosenText() const;

    Program &m_program;
    QMainWindow &m_window;
};

} // namespace klangtruhe
