#pragma once

#include "search/searchrules.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace klangtruhe {

class Program;

// The search dialog: collects the fields, the search text, a picked style or
// rating and an optional replacement, and on "&OK" hands the record source
// statement to the main window through the program state. "E&xit" and the
// close box hand over nothing.
class Suchbox : public QDialog {
    Q_OBJECT
public:
    explicit Suchbox(Program &program, QWidget *parent = nullptr);

    void chkSpaltenname_Click(int index);
    void chkSpaltennameAlle_Click();
    void chkBewertungSong_Click();
    void imgStern_Click(int stars);
    void lstStil_MouseUp();
    void chkErsetzen_Click();
    void ButtonOk_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void loadStyles();
    // A value set from code runs the box's click handling, as a click would.
    void setFieldBox(int index, Qt::CheckState state);
    void setChecked(QCheckBox *box, bool checked, void (Suchbox::*click)());
    void lockReplacement(bool locked);
    void hint(const QString &text, const QString &title);

    Program &m_program;
    std::array<QCheckBox *, kSearchFieldCount> m_fields{};
    QCheckBox *m_alle = nullptr;
    QCheckBox *m_songRating = nullptr;
    QCheckBox *m_ersetzen = nullptr;
    QLineEdit *m_suchen = nullptr;
    QLineEdit *m_ersetzenText = nullptr;
    QListWidget *m_stil = nullptr;
    QListWidget *m_ausschluss = nullptr;
    QString m_sortField = QStringLiteral("Band");
};

} // namespace klangtruhe
