#include "catalogue/detailview.h"

#include "app/mainlayout.h"
#include "app/program.h"
#include "catalogue/data1.h"
#include "common/ansitext.h"
#include "common/busypointer.h"
#include "common/stars.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "texts/richtextbox.h"
#include "texts/songlistsize.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <algorithm>

namespace klangtruhe {

namespace {

constexpr int kStarPixels = 18;
const QColor kLinkColour(0, 0, 255);      // &HFF0000
const QColor kPressedColour(255, 0, 255); // &HFF00FF

const char *const kCaptionNames[] = {"Band",     "Titel",       "Medium",    "Songs",     "Info",
                                     "Preis",    "Stilrichtung", "Kaufdatum", "Bestell-Nr.", "Firma",
                                     "Musikpfad", "eBook u. Multimedia (0)", "Tracks && Movies", ""};

} // namespace

QStringList designCaptions()
{
    QStringList captions;
    for (const char *caption : kCaptionNames)
        captions << QString::fromUtf8(caption);
    return captions;
}

QStringList captionsFromBezIni(const QByteArray &bytes, const QStringList &current)
{
    QStringList captions = current;
    const QStringList lines = splitListLines(decodeListFile(bytes));
    for (int k = 0; k < lines.size() && k < captions.size(); ++k) {
        QString line = lines.at(k).left(kMaxCaption * 4);
        line.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() == 0x7F; });
        if (!line.isEmpty())
            captions[k] = line.left(kMaxCaption);
    }
    return captions;
}

DetailView::DetailView(Program &program, Data1 &data, QWidget *area)
    : QObject(area)
    , m_program(program)
    , m_data(data)
{
    createPages(area);
}

QLineEdit *DetailView::addLine(QWidget *page, const char *name, const char *field)
{
    auto *edit = new QLineEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    const QString fieldName = QString::fromLatin1(field);
    connect(edit, &QLineEdit::textEdited, this, [this, fieldName](const QString &text) {
        m_data.setFieldValue(fieldName, text);
    });
    m_lines.push_back({edit, fieldName});
    trackFocus(edit);
    return edit;
}

RichTextBox *DetailView::addRich(QWidget *page, const char *name, const char *field)
{
    auto *box = new RichTextBox(page);
    box->setObjectName(QString::fromLatin1(name));
    const QString fieldName = QString::fromLatin1(field);
    connect(box, &RichTextBox::editedByUser, this, [this, box, fieldName] {
        m_data.setFieldValue(fieldName, box->fieldText());
    });
    m_rich.push_back({box, fieldName});
    trackFocus(box);
    return box;
}

void DetailView::trackFocus(QWidget *control)
{
    control->installEventFilter(this);
}

bool DetailView::remembersFocus(const QObject *control)
{
    // The fields whose text the link and translation functions may take.
    static const QStringList names = {
        QStringLiteral("TextBand"),      QStringLiteral("TextLPTitel"),      QStringLiteral("TextMedium"),
        QStringLiteral("TextInfo"),      QStringLiteral("TextPreis"),        QStringLiteral("TextStil"),
        QStringLiteral("TextKaufdatum"), QStringLiteral("TextPlattenfirma"), QStringLiteral("TextBestellNr"),
        QStringLiteral("TextSongs"),     QStringLiteral("txtSongText"),      QStringLiteral("rtfLinks"),
        QStringLiteral("rtfInfo"),       QStringLiteral("rtfSonstiges")};
    return names.contains(control->objectName());
}

void DetailView::createPages(QWidget *area)
{
    m_pages = new QTabWidget(area);
    m_pages->setObjectName(QStringLiteral("tabTexte"));
    const auto &place = layout::kTextPages;
    m_pages->setGeometry(twipsRect(place.left, place.top, place.width, place.height));

    auto *daten = new QWidget;
    daten->setObjectName(QStringLiteral("pageDaten"));
    m_pages->addTab(daten, QStringLiteral("Daten"));

    for (int i = 0; i < 14; ++i) {
        auto *label = new QLabel(QString::fromUtf8(kCaptionNames[i]), daten);
        label->setObjectName(QStringLiteral("Bez_%1").arg(i));
        m_captions[static_cast<size_t>(i)] = label;
    }
    // Bez_12 heads the track list beside the cover.
    QLabel *tracks = m_captions[12];
    tracks->setParent(area);
    // With a buddy the label shows "&&" as one "&"; the track list takes over when it exists.
    tracks->setBuddy(m_pages);
    tracks->setGeometry(twipsRect(layout::kTrackCaption.left, layout::kTrackCaption.top,
                                  layout::kTrackCaption.width, layout::kTrackCaption.height));
    // Wide enough for its longest text, a four-digit track number; the info button goes beside it.
    const int longest = tracks->fontMetrics().horizontalAdvance(QStringLiteral("Tracks & Movies Nr.: 0000")) + 4;
    tracks->resize(std::max(tracks->width(), longest), tracks->height());

    auto *grid = new QGridLayout(daten);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    struct Row {
        int caption;
        const char *name;
        const char *field;
    };
    const Row left[] = {{0, "TextBand", "Band"},       {1, "TextLPTitel", "LPTitel"}, {2, "TextMedium", "Medium"},
                        {6, "TextStil", "Stil"},       {4, "TextInfo", "Info"},       {10, "TextMusikpfad", "Musikpfad"}};
    const Row right[] = {{7, "TextKaufdatum", "Datum"},   {5, "TextPreis", "Preis"},
                         {9, "TextPlattenfirma", "Plattenfirma"}, {8, "TextBestellNr", "BestellNr"},
                         {11, "txtEbook", "eBook"},       {13, "txtBildpfad", "BildPfad"}};
    for (int r = 0; r < 6; ++r) {
        QLineEdit *l = addLine(daten, left[r].name, left[r].field);
        m_captions[static_cast<size_t>(left[r].caption)]->setBuddy(l);
        grid->addWidget(m_captions[static_cast<size_t>(left[r].caption)], r, 0);
        grid->addWidget(l, r, 1);
        QLineEdit *e = addLine(daten, right[r].name, right[r].field);
        m_captions[static_cast<size_t>(right[r].caption)]->setBuddy(e);
        grid->addWidget(m_captions[static_cast<size_t>(right[r].caption)], r, 2);
        grid->addWidget(e, r, 3);
    }
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(3, 2);
    // The captions keep their whole text, also with a three-digit eBook count;
    // the fields give up the width instead, whatever their font.
    grid->setColumnMinimumWidth(2, m_captions[11]->fontMetrics().horizontalAdvance(QStringLiteral("eBook u. Multimedia (000)")) + 4);
    for (int r = 0; r < 6; ++r) {
        for (int c : {1, 3}) {
            if (QWidget *field = grid->itemAtPosition(r, c)->widget())
                field->setMinimumWidth(40);
        }
    }

    // Rating: six stars and the field they write.
    auto *rating = new QHBoxLayout;
    rating->setSpacing(2);
    const QPixmap grey = starPicture(false, kStarPixels, daten->devicePixelRatioF());
    for (int k = 0; k < 6; ++k) {
        auto *star = new QLabel(daten);
        star->setObjectName(QStringLiteral("imgCDnote_%1").arg(k));
        star->setPixmap(grey);
        star->setProperty("gold", false);
        star->setFixedSize(kStarPixels + 2, kStarPixels + 2);
        star->setCursor(Qt::PointingHandCursor);
        star->installEventFilter(this);
        m_stars[static_cast<size_t>(k)] = star;
        rating->addWidget(star);
    }
    m_rating = addLine(daten, "txtBewertung", "Bewertung");
    m_rating->setMaximumWidth(40);
    rating->addWidget(m_rating);
    rating->addStretch(1);
    grid->addLayout(rating, 6, 1);

    // Row 6 right and row 7 hold the cover and eBook choosers, which their
    // own components add; the song list fills the rest.
    QLabel *songsCaption = m_captions[3];
    grid->addWidget(songsCaption, kSongListRow, 0, Qt::AlignTop);
    RichTextBox *songs = addRich(daten, "TextSongs", "Songs");
    songsCaption->setBuddy(songs);
    grid->addWidget(songs, kSongListRow, 1, 1, 3);
    grid->setRowStretch(kSongListRow, 1);

    // The clickable captions: band, title and order number search the web.
    const std::pair<int, const char *> links[] = {
        {0, " Online-Suche Band "}, {1, " Online-Suche Band u. Titel "}, {8, " Online-Suche Bestell-Nr. "}};
    for (const auto &[index, tip] : links) {
        QLabel *label = m_captions[static_cast<size_t>(index)];
        label->setToolTip(QString::fromUtf8(tip));
        label->setCursor(Qt::PointingHandCursor);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, kLinkColour);
        label->setPalette(palette);
        label->installEventFilter(this);
    }

    const char *const pageNames[][3] = {{"Internet", "rtfLinks", "InternetTab"},
                                        {"Info", "rtfInfo", "InfoTab"},
                                        {"Sonstiges", "rtfSonstiges", "SonstigesTab"}};
    for (const auto &page : pageNames)
        m_pages->addTab(addRich(nullptr, page[1], page[2]), QString::fromLatin1(page[0]));
    auto *playlists = new QWidget;
    playlists->setObjectName(QStringLiteral("pagePlaylists"));
    m_pages->addTab(playlists, QStringLiteral("Playlists"));

    // The lyrics lie over the page area, hidden until the user asks for them.
    RichTextBox *lyrics = addRich(area, "txtSongText", "SongText");
    lyrics->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
    lyrics->hide();

    m_picture = new QLabel(area);
    m_picture->setObjectName(QStringLiteral("Bild1"));
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->setGeometry(twipsRect(layout::kCover.left, layout::kCover.top, layout::kCover.width,
                                     layout::kCover.height));
}

void DetailView::applyProgramFont(const QFont &font, bool songsToo)
{
    for (const LineBinding &line : m_lines) {
        static const QStringList withFont = {
            QStringLiteral("TextBand"),      QStringLiteral("TextKaufdatum"), QStringLiteral("TextLPTitel"),
            QStringLiteral("TextPreis"),     QStringLiteral("TextMedium"),    QStringLiteral("TextPlattenfirma"),
            QStringLiteral("TextBestellNr"), QStringLiteral("TextInfo"),      QStringLiteral("TextStil"),
            QStringLiteral("TextMusikpfad"), QStringLiteral("txtBildpfad")};
        if (withFont.contains(line.edit->objectName()))
            line.edit->setFont(font);
    }
    if (songsToo) {
        for (const RichBinding &rich : m_rich) {
            if (rich.box->objectName() == QLatin1String("TextSongs"))
                rich.box->setFont(font);
        }
    }
}

QLabel *DetailView::caption(int index) const
{
    return index >= 0 && index < 14 ? m_captions[static_cast<size_t>(index)] : nullptr;
}

bool DetailView::starIsGold(int index) const
{
    return index >= 0 && index < 6 && m_stars[static_cast<size_t>(index)]->property("gold").toBool();
}

void DetailView::showCurrentEntry()
{
    // A result that cannot be written back takes no typing at all.
    const bool readOnly = !m_data.editable();
    for (const RichBinding &rich : m_rich)
        rich.box->setReadOnly(readOnly);
    for (const LineBinding &line : m_lines) {
        line.edit->setReadOnly(readOnly);
        const QString text = m_data.fieldValue(line.field);
        if (line.edit->text() != text) {
            line.edit->setText(text);
            line.edit->setCursorPosition(0); // a long path shows its beginning
        }
    }
    for (const RichBinding &rich : m_rich)
        rich.box->showFieldText(m_data.fieldValue(rich.field));
    showPicture();
    showEntryStars();
}

void DetailView::showEntryStars()
{
    showEntryStars(entryStars(m_data.fieldValue(QStringLiteral("Bewertung"))));
}

QString DetailView::ratingText() const
{
    return m_rating->text();
}

void DetailView::showEntryStars(int gold)
{
    for (int i = 0; i < 6; ++i)
        setStar(i, i < gold);
}

void DetailView::showPicture()
{
    const int column = m_data.fieldIndex(QStringLiteral("Bilder"));
    const QVariant value = column < 0 ? QVariant() : m_data.value(m_data.absolutePosition(), column);
    QPixmap picture;
    if (value.typeId() == QMetaType::QByteArray && !value.toByteArray().isEmpty())
        picture.loadFromData(value.toByteArray());
    if (picture.isNull()) {
        m_picture->clear();
        return;
    }
    m_picture->setPixmap(picture.scaled(m_picture->size() * m_picture->devicePixelRatioF(), Qt::KeepAspectRatio,
                                        Qt::SmoothTransformation));
}

void DetailView::BezLaden()
{
    BusyPointer busy;
    const QString path = m_program.databaseFolder + QStringLiteral("Bez.ini");
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        busy.release();
        failureReport(m_program, reportParent, QStringLiteral("Ausgabebox_BezLaden"), 75,
                      QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"));
        return;
    }
    // Fourteen captions never need more; a huge or binary file gives what it can.
    const QByteArray bytes = file.read(1024 * 1024);
    QStringList current;
    for (QLabel *label : m_captions)
        current << label->text();
    const QStringList captions = captionsFromBezIni(bytes, current);
    for (int k = 0; k < 14; ++k)
        m_captions[static_cast<size_t>(k)]->setText(captions.at(k));
}

void DetailView::setStar(int index, bool gold)
{
    QLabel *star = m_stars[static_cast<size_t>(index)];
    star->setPixmap(starPicture(gold, kStarPixels, star->devicePixelRatioF()));
    star->setProperty("gold", gold);
}

void DetailView::imgCDnote_Click(int index)
{
    if (index < 0 || index > 5)
        return;
    if (hidePlaylistView)
        hidePlaylistView();
    m_pages->show();
    for (int k = 0; k < 6; ++k)
        setStar(k, k <= index);
    const QString rating = QString::number(index + 1);
    m_rating->setText(rating);
    m_data.setFieldValue(QStringLiteral("Bewertung"), rating);
}

bool DetailView::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (remembersFocus(watched))
            m_program.lastFocusedControl = watched->objectName();
        break;
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const QString name = watched->objectName();
        if (name == QLatin1String("TextStil") && (key == Qt::Key_Return || key == Qt::Key_Enter))
            return true; // a style is one line; Enter would only ring
        if (key == Qt::Key_Escape) {
            if (name == QLatin1String("txtSongText"))
                widget->hide();
            else if (qobject_cast<RichTextBox *>(watched))
                m_program.PauseAbbrechen = true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease: {
        const bool press = event->type() == QEvent::MouseButtonPress;
        for (int k = 0; k < 6; ++k) {
            if (watched != m_stars[static_cast<size_t>(k)])
                continue;
            // The pressed look: 10 twips right and down while the button is held.
            const QPoint offset(std::max(1, twipsToPixelsX(10)), std::max(1, twipsToPixelsY(10)));
            widget->move(widget->pos() + (press ? offset : -offset));
            if (!press && widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint()))
                imgCDnote_Click(k);
            return true;
        }
        for (int index : {0, 1, 8}) {
            if (watched != m_captions[static_cast<size_t>(index)])
                continue;
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, press ? kPressedColour : kLinkColour);
            widget->setPalette(palette);
            if (!press && widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())
                && onlineSearch)
                onlineSearch(index);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace klangtruhe
