// The song list's button bar, font menu steps and size buttons.
#include "texts/textscomponent.h"

#include "app/icons.h"
#include "app/program.h"
#include "app/settingkeys.h"
#include "common/fontdialog.h"
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "common/twips.h"
#include "texts/songlistsize.h"
#include "texts/textbarbutton.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextEdit>

namespace klangtruhe {

namespace {

struct BarButton {
    int index;
    const char *toolTip;
    const char *picture;
    bool gapBefore; // the buttons stand in small groups
};

const BarButton kBarButtons[] = {
    {0, "Schriftart", "text-schriftart", false},       {1, "Schriftfarbe", "text-schriftfarbe", false},
    {2, "Standardschrift", "text-standardschrift", false}, {3, "Fett", "text-fett", true},
    {4, "Kursiv", "text-kursiv", false},               {5, "Unterstrichen", "text-unterstrichen", false},
    {7, "Suchen", "text-suchen", true},                {8, "Weitersuchen", "text-weitersuchen", false},
    {11, "Bulletin", "text-aufzaehlung", true},        {12, "Links", "text-links", true},
    {13, "Zentriert", "text-zentriert", false},        {14, "Rechts", "text-rechts", false},
};

constexpr int kGapPixels = 6;

// The common dialog's "cancel" error, as the error report shows it.
constexpr int kCancelErrorNumber = 32755;
const char *const kCancelErrorText = "Abbrechen wurde ausgewählt.";

} // namespace

void TextsComponent::createButtonBar(QWidget *page)
{
    // Over the detail fields the bar needs a ground of its own.
    m_barStrip = new QWidget(page);
    m_barStrip->setObjectName(QStringLiteral("textBarStrip"));
    m_barStrip->setAutoFillBackground(true);
    m_barStrip->hide();
    for (const BarButton &entry : kBarButtons) {
        auto *button = new TextBarButton(QStringLiteral("ButtonText_%1").arg(entry.index),
                                         QString::fromUtf8(entry.toolTip),
                                         klangtruheIcon(QString::fromLatin1(entry.picture)), page);
        button->setProperty("gapBefore", entry.gapBefore);
        const int index = entry.index;
        connect(button, &QAbstractButton::clicked, this, [this, index] { ButtonText_Click(index); });
        m_barButtons.push_back(button);
    }
    m_smallButton = new TextBarButton(QStringLiteral("cmdTextSmall"), QStringLiteral(" Textfeld vergrößern "),
                                      klangtruheIcon(QStringLiteral("text-vergroessern")), page);
    m_bigButton = new TextBarButton(QStringLiteral("cmdTextBig"), QStringLiteral(" Textfeld verkleinern "),
                                    klangtruheIcon(QStringLiteral("text-verkleinern")), page);
    connect(m_smallButton, &QAbstractButton::clicked, this, &TextsComponent::cmdTextSmall_Click);
    connect(m_bigButton, &QAbstractButton::clicked, this, &TextsComponent::cmdTextBig_Click);
}

void TextsComponent::takeSongListOutOfGrid()
{
    // The song list and its caption move with the size buttons, so they
    // stand on the page by themselves; the grid keeps the detail fields.
    if (auto *grid = qobject_cast<QGridLayout *>(m_datenPage->layout())) {
        grid->removeWidget(m_songs);
        if (m_songsLabel)
            grid->removeWidget(m_songsLabel);
    }
    placeSongList();
}

void TextsComponent::placeSongList()
{
    if (!m_datenPage || !m_songs || !m_pages)
        return;
    SongListPlacement place = songListPlacement(m_enlarged);
    // The table's tops count from the top of the text pages, tabs included.
    const int pageTop = m_datenPage->mapTo(m_pages, QPoint(0, 0)).y();
    const auto y = [pageTop](int twips) { return twipsToPixelsY(twips) - pageTop; };

    int left = 80;
    int margin = 6;
    if (auto *grid = qobject_cast<QGridLayout *>(m_datenPage->layout())) {
        margin = grid->contentsMargins().left();
        grid->activate(); // the filter runs before the layout has placed the fields
        const QRect field = grid->cellRect(0, 1);
        if (field.isValid())
            left = field.left();
        // The fields, the stars and the cover and eBook choosers stand above the song list.
        int fieldsBottom = 0;
        for (int r = 0; r < kSongListRow; ++r) {
            for (int c = 0; c < grid->columnCount(); ++c) {
                if (QLayoutItem *item = grid->itemAtPosition(r, c); item && !item->isEmpty())
                    fieldsBottom = std::max(fieldsBottom, item->geometry().bottom());
            }
        }
        place = clearOfFields(place, static_cast<int>(pixelsToTwipsY(fieldsBottom + pageTop)));
    }
    const int right = m_datenPage->width() - margin;

    if (m_songsLabel) {
        m_songsLabel->move(margin, y(place.songsLabelTop));
        m_songsLabel->adjustSize();
    }
    for (int index : {0, 7}) {
        if (auto *label = m_datenPage->findChild<QLabel *>(QStringLiteral("Bez_%1").arg(index)))
            label->setVisible(place.bandAndDateShown);
    }
    const int songsTop = y(place.songsTop);
    m_songs->setGeometry(left, songsTop, std::max(40, right - left), std::max(20, twipsToPixelsY(place.songsHeight)));
    if (m_enlarged)
        m_songs->raise();

    int x = left;
    const int buttonsTop = y(place.buttonsTop);
    for (TextBarButton *button : m_barButtons) {
        if (button->property("gapBefore").toBool())
            x += kGapPixels;
        button->setGeometry(QRect(QPoint(x, buttonsTop), button->sizeHint()));
        button->raise();
        x += button->sizeHint().width();
    }
    const QSize size = m_smallButton->sizeHint();
    m_bigButton->setGeometry(QRect(QPoint(right - size.width(), buttonsTop), size));
    m_smallButton->setGeometry(QRect(QPoint(right - 2 * size.width(), buttonsTop), size));
    m_smallButton->raise();
    m_bigButton->raise();
    m_barStrip->setGeometry(left, buttonsTop, right - left, size.height());
    m_barStrip->setVisible(m_enlarged);
    m_barStrip->raise();
    m_barStrip->stackUnder(m_barButtons.front());
}

void TextsComponent::cmdTextSmall_Click()
{
    m_enlarged = true;
    placeSongList();
}

void TextsComponent::cmdTextBig_Click()
{
    m_enlarged = false;
    placeSongList();
}

void TextsComponent::formatSongs(const std::function<void(QTextCursor &)> &step)
{
    if (!m_songs)
        return;
    QTextCursor cursor = m_songs->textCursor();
    step(cursor);
    // Without a selection the step set the insertion point's format; the box keeps it.
    m_songs->setTextCursor(cursor);
    m_songs->setFocus(Qt::OtherFocusReason);
}

void TextsComponent::ButtonText_Click(int index)
{
    switch (index) {
    case 0: chooseFont(); return;
    case 1: chooseColour(); return;
    case 2: formatSongs(setStandardFont); return;
    case 3: formatSongs([](QTextCursor &c) { toggleCharAttribute(c, CharToggle::Bold); }); return;
    case 4: formatSongs([](QTextCursor &c) { toggleCharAttribute(c, CharToggle::Italic); }); return;
    case 5: formatSongs([](QTextCursor &c) { toggleCharAttribute(c, CharToggle::Underline); }); return;
    case 7:
        if (hooks.Suchen)
            hooks.Suchen();
        return;
    case 8:
        if (hooks.Weitersuchen)
            hooks.Weitersuchen();
        return;
    case 11: {
        if (!m_songs)
            return;
        const Coverage bullets = bulletCoverage(m_songs->textCursor());
        if (bullets == Coverage::Partly) {
            m_program.answerText = MsgLumo(
                m_program, &m_window, QStringLiteral("Absätze mit und ohne Aufzählungspunkten wurden markiert, das geht nicht."),
                1, 0, QStringLiteral("Aufzählungsstil mit Punkten"), 1, 0xF4EAE3);
            m_songs->setFocus(Qt::OtherFocusReason);
            return;
        }
        formatSongs([bullets](QTextCursor &c) { setBullets(c, bullets == Coverage::None); });
        return;
    }
    case 12: formatSongs([](QTextCursor &c) { setParagraphAlignment(c, Qt::AlignLeft); }); return;
    case 13: formatSongs([](QTextCursor &c) { setParagraphAlignment(c, Qt::AlignHCenter); }); return;
    case 14: formatSongs([](QTextCursor &c) { setParagraphAlignment(c, Qt::AlignRight); }); return;
    default: return;
    }
}

void TextsComponent::reportCancel()
{
    failureReport(m_program, &m_window, QStringLiteral("Ausgabebox_ButtonText_Click"), kCancelErrorNumber,
                  QString::fromUtf8(kCancelErrorText));
}

void TextsComponent::chooseFont()
{
    if (!m_songs)
        return;
    QFont start = m_songs->currentCharFormat().font();
    if (start.family().isEmpty()) {
        start.setFamily(QStringLiteral("Segoe UI"));
        start.setPointSize(12);
    }
    const std::unique_ptr<QFontDialog> dialog = makeFontDialog(start, &m_window, QStringLiteral("Schriftart"), {});
    dialog->setObjectName(QStringLiteral("dlgSchriftart"));
    if (dialog->exec() != QDialog::Accepted) {
        reportCancel();
        return;
    }
    const QFont chosen = dialog->selectedFont();
    formatSongs([&chosen](QTextCursor &c) { setChosenFont(c, chosen); });
}

void TextsComponent::chooseColour()
{
    if (!m_songs)
        return;
    QColorDialog dialog(m_songs->textColor(), &m_window);
    dialog.setObjectName(QStringLiteral("dlgSchriftfarbe"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) {
        reportCancel();
        return;
    }
    const QColor chosen = dialog.selectedColor();
    formatSongs([&chosen](QTextCursor &c) { setTextColour(c, chosen); });
}

void TextsComponent::mnuSchriftTiefgestellt_Click()
{
    formatSongs([](QTextCursor &c) { setCharOffset(c, -kSubSuperOffsetTwips); });
}

void TextsComponent::mnuSchriftHochgestellt_Click()
{
    formatSongs([](QTextCursor &c) { setCharOffset(c, kSubSuperOffsetTwips); });
}

void TextsComponent::mnuSchriftDurchstrichen_Click()
{
    formatSongs([](QTextCursor &c) { toggleCharAttribute(c, CharToggle::StrikeOut); });
}

void TextsComponent::mnuRandLinks_Click()
{
    askIndent(IndentSide::Left);
}

void TextsComponent::mnuRandRechts_Click()
{
    askIndent(IndentSide::Right);
}

void TextsComponent::askIndent(IndentSide side)
{
    const bool left = side == IndentSide::Left;
    const SettingKey &key = left ? keys::SeitenrandLinks : keys::SeitenrandRechts;
    const QString stored = m_program.settings.read(key);
    const QString answer =
        InputLumo(m_program, &m_window,
                  left ? QStringLiteral("Wie weit soll der Text vom linken Textrand entfernt sein?")
                       : QStringLiteral("Wie weit soll der Text vom rechten Textrand entfernt sein?"),
                  left ? QStringLiteral("Texteinzug links") : QStringLiteral("Texteinzug rechts"), stored);
    if (answer.isEmpty())
        return;
    const double twips = leadingNumber(answer);
    formatSongs([side, twips](QTextCursor &c) { setParagraphIndent(c, side, twips); });
    m_program.settings.write(key, answer);
}

} // namespace klangtruhe
