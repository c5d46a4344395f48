#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QStringList>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QMainWindow;
class QToolButton;
class QWidget;

namespace klangtruhe {

class CatalogueComponent;
class Program;

// The cover pictures of the main window: the strip imgCover_0..21 at the left
// edge with the covers of the listed entries, and the cover area of the
// current entry, where chkBildpfad switches between the stored picture Bild1
// and the external covers of BildPfad (imgBildpfad, chosen in cboBildpfad),
// with the enlarged view picCoverGreat over both.
class CoverComponent : public QObject {
    Q_OBJECT
public:
    CoverComponent(Program &program, QMainWindow &window, CatalogueComponent &catalogue);

    // The strip.
    void CoverListeAktuell();
    // Re-reads the cover folder into filCover and rebuilds the cover list (start-up).
    void readCoverFolder();
    void CoverAktualisieren();
    void CoverDown();
    void CoverUp();
    // The layout hands over a new slot count (rule 7): the strip is redrawn from its start.
    void setCoverSlots(int lastSlot);
    void imgCover_Click(int slot);
    void imgCover_DblClick(int slot);
    // The next entry change comes from elsewhere (the quick search): the strip keeps its place.
    void setCoverKlick() { m_coverKlick = true; }

    // The cover area.
    void ExterneCoverListe();
    // Entry change, steps 1-4 (cover display) and step 5 (strip).
    void showEntryCover();
    void followEntryInStrip();
    void chkBildpfad_Click();
    void cboBildpfad_Choose(int index);
    void mnuBildDatenbankpfad_Click();
    void showEnlarged(QLabel *picture);
    void hideEnlarged();

    // "HäkchenBildpfad": read at start, stored when the main window closes.
    void readSettings();
    void storeSettings();

    const QStringList &coverList() const { return m_covers; }
    int coverStart() const { return m_coverStart; }
    int coverSlots() const { return m_coverSlots; }
    QString currentCoverFolder() const;
    bool fromDatabaseFolder() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createStrip(QWidget *area);
    void createCoverArea(QWidget *area);
    void placeCoverChoice(QWidget *area);
    void placePagingButtons();
    void clearSlots();
    void drawSlots();
    QPixmap slotPicture(const QString &file);
    void showExternal(const QString &path);
    void setCoverAreaTicked(bool ticked);
    bool storedPictureEmpty() const;
    QImage storedPicture();
    double innerHeight() const;

    Program &m_program;
    QMainWindow &m_window;
    CatalogueComponent &m_catalogue;

    std::array<QLabel *, 22> m_slots{};
    QListWidget *m_filCover = nullptr;
    QListWidget *m_lstCover = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    QLabel *m_bild1 = nullptr;
    QLabel *m_imgBildpfad = nullptr;
    QComboBox *m_cboBildpfad = nullptr;
    QCheckBox *m_chkBildpfad = nullptr;
    QLabel *m_picCoverGreat = nullptr;
    QAction *m_fromDatabaseFolder = nullptr;

    QStringList m_covers;
    QHash<QString, QPixmap> m_thumbnails; // per file name, until the folder is read again
    QImage m_external;                    // the picture imgBildpfad shows
    int m_coverStart = 0;
    int m_coverSlots = 0;
    bool m_coverKlick = false;
};

} // namespace klangtruhe
