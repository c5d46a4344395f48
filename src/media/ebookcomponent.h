#pragma once

#include <QObject>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;

namespace klangtruhe {

class DetailView;
class PictureButton;
class Program;

// The eBook and multimedia list beside the detail fields: cboEbook lists the
// existing files of the entry's eBook field, imgEbookPlay opens the chosen
// one with the program the desktop associates with it, label Bez_11 counts them.
class EbookComponent : public QObject {
    Q_OBJECT
public:
    EbookComponent(Program &program, QMainWindow &window, DetailView &detail);

    // Rebuilds the list from txtEbook (entry-change step 5).
    void eBookListe();
    // Opens the text of cboEbook.
    void imgEbookPlay_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool fromDatabaseFolder() const;

    Program &m_program;
    QMainWindow &m_window;
    QLineEdit *m_txtEbook = nullptr;
    QLabel *m_caption = nullptr;
    QComboBox *m_cboEbook = nullptr;
    PictureButton *m_imgEbookPlay = nullptr;
    QAction *m_fromDatabaseFolder = nullptr;
};

} // namespace klangtruhe
