#include "search/suchbox.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "common/gradient.h"
#include "common/msglumo.h"
#include "common/numbers.h"
#include "common/stars.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "lists/exclusionrules.h"
#include "lists/listfiles.h"
#include "player/picturebutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace klangtruhe {

namespace {

constexpr quint32 kHintBack = 0xC0E0FF;

// Field boxes toggle between unticked and ticked when clicked; grey is set
// only by the dialog while "Alle" is ticked.
class FieldBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override { setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked); }
};

} // namespace

Suchbox::Suchbox(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("Suchbox"));
    setWindowTitle(QStringLiteral("Suchbox"));
    setModal(true);
    setFont(dialogFont());
    new GradientBackground(this, 0xF4EAE3, 0xDEC9AD, 1);
    buildControls();

    // Font settings of the text boxes and the style list (size 10 unless stored).
    double size = 0;
    if (!parseStoredNumber(program.settings.read(keys::ProgSchriftSize, QString::fromLatin1(keys::kDialogFontSize)), size)
        || size <= 0)
        size = 10;
    const QFont font = uiFont(program.settings.read(keys::ProgSchriftName), size);
    for (QWidget *control : {static_cast<QWidget *>(m_suchen), static_cast<QWidget *>(m_ersetzenText),
                             static_cast<QWidget *>(m_stil)})
        control->setFont(font);

    setChecked(m_alle, true, &Suchbox::chkSpaltennameAlle_Click);
    loadStyles();
    lockReplacement(true);
}

void Suchbox::buildControls()
{
    auto *label = new QLabel(QStringLiteral("Suchtext:"), this);
    m_suchen = new QLineEdit(this);
    m_suchen->setObjectName(QStringLiteral("txtSuchen"));
    m_suchen->installEventFilter(this);
    // The apostrophe would end the statement's text literal: it is not taken.
    connect(m_suchen, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.contains(QLatin1Char('\'')))
            return;
        const int cursor = m_suchen->cursorPosition() - static_cast<int>(text.left(m_suchen->cursorPosition()).count(QLatin1Char('\'')));
        QString cleaned = text;
        cleaned.remove(QLatin1Char('\''));
        m_suchen->setText(cleaned);
        m_suchen->setCursorPosition(cursor);
    });

    auto *frame = new QGroupBox(QStringLiteral("Suchspalten auswählen"), this);
    auto *grid = new QGridLayout(frame);
    for (int i = 0; i < kSearchFieldCount; ++i) {
        auto *box = new FieldBox(QString::fromUtf8(searchFields()[static_cast<size_t>(i)].caption), frame);
        box->setObjectName(QStringLiteral("chkSpaltenname_%1").arg(i));
        box->setTristate(true);
        connect(box, &QCheckBox::clicked, this, [this, i] { chkSpaltenname_Click(i); });
        m_fields[static_cast<size_t>(i)] = box;
    }
    m_songRating = new QCheckBox(QStringLiteral("Bewertung"), frame);
    m_songRating->setObjectName(QStringLiteral("chkBewertungSong"));
    connect(m_songRating, &QCheckBox::clicked, this, &Suchbox::chkBewertungSong_Click);
    m_alle = new QCheckBox(QStringLiteral("Alle"), frame);
    m_alle->setObjectName(QStringLiteral("chkSpaltennameAlle"));
    connect(m_alle, &QCheckBox::clicked, this, &Suchbox::chkSpaltennameAlle_Click);
    for (int i = 0; i < kSearchFieldCount; ++i) {
        const int column = i % 3;
        int row = i / 3;
        grid->addWidget(m_fields[static_cast<size_t>(i)], row, column * 2);
        if (i == kSongsBox) {
            // "Songs-" and "Bewertung" read as one: "Songs-Bewertung".
            auto *pair = new QHBoxLayout;
            pair->setSpacing(0);
            pair->addWidget(m_fields[static_cast<size_t>(i)]);
            pair->addWidget(m_songRating);
            pair->addStretch();
            grid->addLayout(pair, row, column * 2);
        }
    }
    grid->addWidget(m_alle, 4, 2);

    m_stil = new QListWidget(this);
    m_stil->setObjectName(QStringLiteral("lstStil"));
    m_stil->setSelectionMode(QAbstractItemView::SingleSelection);
    m_stil->viewport()->installEventFilter(this);
    m_stil->installEventFilter(this);
    m_ausschluss = new QListWidget(this);
    m_ausschluss->setObjectName(QStringLiteral("lstAusschluss"));
    m_ausschluss->hide();

    auto *stars = new QHBoxLayout;
    const int edge = twipsToPixelsX(300);
    for (int k = 0; k <= 6; ++k) {
        auto *star = new PictureButton(QStringLiteral("imgStern_%1").arg(k),
                                       k == 0 ? QStringLiteral(" keine Sterne ") : QStringLiteral(" %1 Stern(e) ").arg(k),
                                       starPicture(k > 0, edge, devicePixelRatioF()), this);
        connect(star, &PictureButton::clicked, this, [this, k] { imgStern_Click(k); });
        stars->addWidget(star);
    }
    stars->addStretch();

    m_ersetzen = new QCheckBox(QStringLiteral("ersetzen mit:"), this);
    m_ersetzen->setObjectName(QStringLiteral("chkErsetzen"));
    connect(m_ersetzen, &QCheckBox::clicked, this, &Suchbox::chkErsetzen_Click);
    m_ersetzenText = new QLineEdit(this);
    m_ersetzenText->setObjectName(QStringLiteral("txtErsetzen"));

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("ButtonOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Suchbox::ButtonOk_Click);
    auto *exit = new QPushButton(QStringLiteral("E&xit"), this);
    exit->setObjectName(QStringLiteral("ButtonAbbrechen"));
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto *replace = new QHBoxLayout;
    replace->addWidget(m_ersetzen);
    replace->addWidget(m_ersetzenText, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(exit);
    auto *left = new QVBoxLayout;
    left->addWidget(label);
    left->addWidget(m_suchen);
    left->addWidget(frame);
    left->addLayout(stars);
    left->addLayout(replace);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(m_stil, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    resize(twipsSize(8400, 5400));
}

void Suchbox::loadStyles()
{
    const QString exclusions = m_program.programFolder + QStringLiteral("AusschlussAbspielliste.ini");
    if (const auto lines = readListFile(exclusions)) {
        m_ausschluss->clear();
        for (const QString &line : *lines)
            m_ausschluss->addItem(line.trimmed());
    }
    const QString styleFile = styleListFile(m_program.databaseFolder, m_program.programFolder);
    if (const auto lines = readListFile(styleFile)) {
        m_stil->clear();
        QStringList excluded;
        for (int i = 0; i < m_ausschluss->count(); ++i)
            excluded << m_ausschluss->item(i)->text();
        m_stil->addItems(offeredStyles(*lines, excluded));
    }
}

bool Suchbox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_suchen && event->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, m_suchen, &QLineEdit::selectAll);
    } else if ((watched == m_stil->viewport() && event->type() == QEvent::MouseButtonRelease)
               || (watched == m_stil && event->type() == QEvent::KeyRelease)) {
        lstStil_MouseUp();
    }
    return QDialog::eventFilter(watched, event);
}

void Suchbox::setFieldBox(int index, Qt::CheckState state)
{
    QCheckBox *box = m_fields[static_cast<size_t>(index)];
    if (box->checkState() == state)
        return;
    box->setCheckState(state);
    chkSpaltenname_Click(index);
}

void Suchbox::setChecked(QCheckBox *box, bool checked, void (Suchbox::*click)())
{
    if (box->isChecked() == checked)
        return;
    box->setChecked(checked);
    (this->*click)();
}

void Suchbox::hint(const QString &text, const QString &title)
{
    MsgLumo(m_program, this, text, 3, 0, title, 1, kHintBack);
}

void Suchbox::chkSpaltenname_Click(int index)
{
    QCheckBox *box = m_fields[static_cast<size_t>(index)];
    if (m_alle->isChecked()) {
        box->setCheckState(Qt::PartiallyChecked);
    } else {
        m_sortField = QString::fromLatin1(searchFields()[static_cast<size_t>(index)].sortField);
        if (index == kCdRatingBox && box->checkState() == Qt::Checked) {
            setChecked(m_songRating, false, &Suchbox::chkBewertungSong_Click);
            m_suchen->setText(QStringLiteral("1"));
        }
    }
    m_suchen->setFocus();
}

void Suchbox::chkSpaltennameAlle_Click()
{
    if (m_alle->isChecked()) {
        setChecked(m_songRating, false, &Suchbox::chkBewertungSong_Click);
        for (int i = 0; i < kSearchFieldCount; ++i)
            setFieldBox(i, Qt::PartiallyChecked);
    } else {
        for (int i = 0; i < kSearchFieldCount; ++i)
            setFieldBox(i, Qt::Unchecked);
    }
}

void Suchbox::chkBewertungSong_Click()
{
    // Ticked or not, the box leaves the first star's marker and the Songs box ticked.
    if (m_songRating->isChecked()) {
        setChecked(m_alle, false, &Suchbox::chkSpaltennameAlle_Click);
        for (int i = 0; i < kSearchFieldCount; ++i)
            setFieldBox(i, Qt::Unchecked);
    }
    m_suchen->setText(QStringLiteral(" - 1."));
    setFieldBox(kSongsBox, Qt::Checked);
}

void Suchbox::imgStern_Click(int stars)
{
    if (m_songRating->isChecked())
        m_suchen->setText(QStringLiteral(" - %1.").arg(stars));
    else if (m_fields[kCdRatingBox]->checkState() == Qt::Checked)
        m_suchen->setText(QString::number(stars));
    else
        hint(QStringLiteral("Bitte zuerst ein Häkchen bei der CD- oder Song-Bewertung setzen!"),
             QStringLiteral("Hinweis"));
}

void Suchbox::lstStil_MouseUp()
{
    const QListWidgetItem *item = m_stil->currentItem();
    if (!item)
        return;
    setChecked(m_alle, false, &Suchbox::chkSpaltennameAlle_Click);
    for (int i = 0; i < kSearchFieldCount; ++i)
        setFieldBox(i, Qt::Unchecked);
    setFieldBox(kStilBox, Qt::Checked);
    m_suchen->setText(withStyle(m_suchen->text(), item->text()));
}

void Suchbox::lockReplacement(bool locked)
{
    // Locked it takes the button face, open the window colour, as the system draws them.
    m_ersetzenText->setReadOnly(locked);
    QPalette palette = m_ersetzenText->palette();
    const QPalette system = QApplication::palette();
    palette.setColor(QPalette::Base, locked ? system.color(QPalette::Button) : system.color(QPalette::Base));
    m_ersetzenText->setPalette(palette);
}

void Suchbox::chkErsetzen_Click()
{
    if (!m_ersetzen->isChecked()) {
        lockReplacement(true);
        m_suchen->setFocus();
        return;
    }
    if (m_alle->isChecked()) {
        setChecked(m_alle, false, &Suchbox::chkSpaltennameAlle_Click);
        hint(QStringLiteral("Bitte wählen Sie die Spalte(n) aus, in der Sie ersetzen wollen."), QStringLiteral("Hinweis"));
        m_ersetzen->setChecked(false);
    } else if (m_fields[kStilBox]->checkState() != Qt::Unchecked || m_fields[kSongsBox]->checkState() != Qt::Unchecked) {
        setFieldBox(kStilBox, Qt::Unchecked);
        setFieldBox(kSongsBox, Qt::Unchecked);
        hint(QStringLiteral("In den Textfeldern 'Songs' u. 'Stil' kann nicht ersetzt werden!\r\n"
                            "Das Häkchen dort wurde entfernt."),
             QStringLiteral("Bedienungshinweis"));
        m_ersetzen->setChecked(false);
    } else {
        lockReplacement(false);
        m_ersetzenText->setFocus();
    }
}

void Suchbox::ButtonOk_Click()
{
    const QString typed = m_suchen->text();
    m_program.settings.write(keys::TabellenName, typed);
    const QString joined = joinedStyleParts(typed);
    if (joined != typed)
        m_suchen->setText(joined);

    auto tickedFields = [this] {
        QStringList fields;
        for (int i = 0; i < kSearchFieldCount; ++i) {
            if (m_alle->isChecked() || m_fields[static_cast<size_t>(i)]->checkState() != Qt::Unchecked)
                fields << QString::fromLatin1(searchFields()[static_cast<size_t>(i)].field);
        }
        return fields;
    };
    QStringList fields = tickedFields();
    if (fields.isEmpty()) {
        if (!m_songRating->isChecked()) {
            hint(QStringLiteral("Bitte ein mindestens Häkchen setzen!"), QStringLiteral("Hinweis"));
            return;
        }
        setFieldBox(kSongsBox, Qt::Checked);
        fields = tickedFields();
    }
    const QString searchText = m_suchen->text();
    if (m_songRating->isChecked() && !searchText.startsWith(QLatin1String(" - "))) {
        hint(QStringLiteral("Wenn Sie bei \"Songs-Bewertung\" ein Häkchen setzen,\r\n"
                            "dann müssen Sie anschließend auf einen Stern klicken,\r\n"
                            "damit ein gültiger Suchtext eingefügt wird."),
             QStringLiteral("ungültiger Suchtext"));
        return;
    }

    Program &p = m_program;
    p.searchStatement = klangtruhe::searchStatement(fields, m_sortField, typed);
    if (m_ersetzen->isChecked()) {
        p.searchFieldList = fields;
        p.replaceSearchText = searchText;
        p.replaceText = m_ersetzenText->text();
    } else {
        p.searchFieldList.clear();
        p.replaceSearchText.clear();
        p.replaceText.clear();
    }
    p.songRatingSearch = m_songRating->isChecked();
    p.songRatingText = p.songRatingSearch ? searchText : QString();
    accept();
}

} // namespace klangtruhe
