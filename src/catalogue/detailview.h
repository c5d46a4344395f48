#pragma once

#include <QObject>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

class QFont;
class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;

namespace klangtruhe {

class Data1;
class Program;
class RichTextBox;

// The design captions of the labels Bez_0 .. Bez_13.
QStringList designCaptions();
// Captions after reading "Bez.ini": line k names label k; an empty line keeps
// the label's caption; lines beyond the labels are ignored. Control
// characters are dropped and a caption is cut at kMaxCaption characters.
QStringList captionsFromBezIni(const QByteArray &bytes, const QStringList &current);
inline constexpr int kMaxCaption = 255;

// The detail view of the current entry: the bound one-line fields and rich
// text boxes on the page "Daten" of the text pages (and the pages Internet,
// Info, Sonstiges), the captions, the rating stars and the embedded picture.
class DetailView : public QObject {
    Q_OBJECT
public:
    DetailView(Program &program, Data1 &data, QWidget *area);

    // Shows the current entry in every bound control.
    void showCurrentEntry();
    // The entry's own rating as gold stars (the second row of BewertungTracks).
    void showEntryStars();
    // The first `gold` entry stars gold, the others grey.
    void showEntryStars(int gold);
    // What the rating field txtBewertung shows.
    QString ratingText() const;
    // Reads "Bez.ini" from the database folder.
    void BezLaden();
    // Rating star k (0..5) clicked.
    void imgCDnote_Click(int index);

    QTabWidget *textPages() const { return m_pages; }
    // The program font of the start-up settings and the font dialog.
    void applyProgramFont(const QFont &font, bool songsToo);
    QLabel *caption(int index) const;
    bool starIsGold(int index) const;

    // Hands the playlist view's place back to the text pages (a star click does).
    std::function<void()> hidePlaylistView;
    // Labels 0, 1 and 8 search the web for band, title or order number.
    std::function<void(int labelIndex)> onlineSearch;
    // Where a failure report appears.
    QWidget *reportParent = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LineBinding {
        QLineEdit *edit;
        QString field;
    };
    struct RichBinding {
        RichTextBox *box;
        QString field;
    };

    void createPages(QWidget *area);
    QLineEdit *addLine(QWidget *page, const char *name, const char *field);
    RichTextBox *addRich(QWidget *page, const char *name, const char *field);
    void showPicture();
    void setStar(int index, bool gold);
    void trackFocus(QWidget *control);
    static bool remembersFocus(const QObject *control);

    Program &m_program;
    Data1 &m_data;
    QTabWidget *m_pages = nullptr;
    QLabel *m_picture = nullptr;
    std::array<QLabel *, 14> m_captions{};
    std::array<QLabel *, 6> m_stars{};
    std::vector<LineBinding> m_lines;
    std::vector<RichBinding> m_rich;
    QLineEdit *m_rating = nullptr;
};

} // namespace klangtruhe
