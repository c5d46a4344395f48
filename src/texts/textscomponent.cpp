#include "texts/textscomponent.h"

#include "app/program.h"
#include "app/settingkeys.h"
#include "common/inputlumo.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "texts/linkrules.h"
#include "texts/songlistsize.h"
#include "texts/textbarbutton.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QTabWidget>
#include <QTextEdit>

namespace klangtruhe {

namespace {

const char *const kFontMenuBoxes[] = {"TextSongs", "rtfLinks", "rtfInfo", "rtfSonstiges"};
// The boxes of the text pages by page index; page 0 is "Daten".
const char *const kPageBoxes[] = {nullptr, "rtfLinks", "rtfInfo", "rtfSonstiges"};

// The font menu comes on with these boxes' focus.
bool enablesFontMenu(const QString &name)
{
    return name == QLatin1String("TextSongs") || name == QLatin1String("rtfLinks");
}

} // namespace

TextsComponent::TextsComponent(Program &program, QMainWindow &window)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
{
    setObjectName(QStringLiteral("TextsComponent"));
    m_pages = window.findChild<QTabWidget *>(QStringLiteral("tabTexte"));
    m_datenPage = window.findChild<QWidget *>(QStringLiteral("pageDaten"));
    m_songs = window.findChild<QTextEdit *>(QStringLiteral("TextSongs"));
    m_songText = window.findChild<QTextEdit *>(QStringLiteral("txtSongText"));
    m_songsLabel = window.findChild<QLabel *>(QStringLiteral("Bez_3"));

    createFontMenu();
    if (m_datenPage && m_songs) {
        createButtonBar(m_datenPage);
        takeSongListOutOfGrid();
        m_datenPage->installEventFilter(this);
    }
    watchTextPages();
    connectMenuEntry("mnuSongTextEinAus", &TextsComponent::mnuSongTextEinAus_Click);
    connectMenuEntry("mnuWeblink", &TextsComponent::mnuWeblink_Click);
}

void TextsComponent::connectMenuEntry(const char *name, void (TextsComponent::*handler)())
{
    auto *action = m_window.findChild<QAction *>(QString::fromLatin1(name));
    if (!action)
        return;
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, handler);
}

void TextsComponent::createFontMenu()
{
    m_fontMenu = new QMenu(QStringLiteral("&Schrift"), &m_window);
    m_fontMenu->setObjectName(QStringLiteral("mnuSchrift"));
    const std::pair<const char *, const char *> entries[] = {{"mnuSchriftTiefgestellt", "&Tiefgestellt"},
                                                             {"mnuSchriftHochgestellt", "&Hochgestellt"},
                                                             {"mnuSchriftDurchstrichen", "&Durchstrichen"},
                                                             {"mnuRandLinks", "&linker Rand"},
                                                             {"mnuRandRechts", "&rechter Rand"}};
    void (TextsComponent::*const handlers[])() = {
        &TextsComponent::mnuSchriftTiefgestellt_Click, &TextsComponent::mnuSchriftHochgestellt_Click,
        &TextsComponent::mnuSchriftDurchstrichen_Click, &TextsComponent::mnuRandLinks_Click,
        &TextsComponent::mnuRandRechts_Click};
    for (size_t i = 0; i < std::size(entries); ++i) {
        QAction *action = m_fontMenu->addAction(QString::fromUtf8(entries[i].second));
        action->setObjectName(QString::fromLatin1(entries[i].first));
        connect(action, &QAction::triggered, this, handlers[i]);
    }
    m_fontMenu->setEnabled(false);

    for (const char *name : kFontMenuBoxes) {
        auto *box = m_window.findChild<QTextEdit *>(QString::fromLatin1(name));
        if (!box)
            continue;
        box->installEventFilter(this);
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QWidget::customContextMenuRequested, this, [this, box](const QPoint &pos) {
            const QPoint global = box->viewport()->mapToGlobal(pos);
            if (m_fontMenu->isEnabled()) {
                m_fontMenu->exec(global);
                return;
            }
            // Where the font menu is off, the box's own menu (copy, paste) serves.
            QMenu *standard = box->createStandardContextMenu(pos);
            standard->exec(global);
            delete standard;
        });
    }
    if (m_songText)
        m_songText->installEventFilter(this);
}

void TextsComponent::watchTextPages()
{
    if (!m_pages)
        return;
    connect(m_pages, &QTabWidget::tabBarClicked, this, [this](int index) {
        if (index >= 1 && index <= 3) {
            m_pages->setCurrentIndex(index);
            if (auto *box = m_window.findChild<QTextEdit *>(QString::fromLatin1(kPageBoxes[index])))
                box->setFocus(Qt::MouseFocusReason);
        } else if (index == 4 && hooks.playlistPageClicked) {
            hooks.playlistPageClicked();
        }
    });
}

void TextsComponent::fontMenuFocusChanged(QObject *box, bool focusIn)
{
    const QString name = box->objectName();
    if (focusIn) {
        if (enablesFontMenu(name))
            m_fontMenu->setEnabled(true);
        if (name == QLatin1String("rtfLinks") || name == QLatin1String("txtSongText"))
            m_letzterTextbereich = name;
        return;
    }
    if (name == QLatin1String("txtSongText"))
        m_letzterTextbereich.clear();
    else
        m_fontMenu->setEnabled(false);
}

bool TextsComponent::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        fontMenuFocusChanged(watched, true);
        break;
    case QEvent::FocusOut:
        // The font menu itself takes the focus while it is open.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            fontMenuFocusChanged(watched, false);
        break;
    case QEvent::Resize:
    case QEvent::LayoutRequest:
    case QEvent::Show:
        if (watched == m_datenPage)
            placeSongList();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TextsComponent::mnuSongTextEinAus_Click()
{
    if (!m_songText)
        return;
    if (m_songText->isVisible()) {
        m_songText->hide();
        return;
    }
    m_songText->show();
    m_songText->raise();
    m_songText->setFocus(Qt::OtherFocusReason);
}

QString TextsComponent::markedText() const
{
    const QString name = m_program.lastFocusedControl;
    if (name.isEmpty())
        return QString();
    auto *control = m_window.findChild<QWidget *>(name);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->selectedText();
    if (auto *box = qobject_cast<QTextEdit *>(control)) {
        QString text = box->textCursor().selectedText();
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->lineEdit() ? combo->lineEdit()->selectedText() : combo->currentText();
    // The track list gives the current track's file name, the table its current cell.
    if (auto *view = qobject_cast<QAbstractItemView *>(control))
        return view->currentIndex().data(Qt::DisplayRole).toString();
    return QString();
}

void TextsComponent::mnuWeblink_Click()
{
    const QString text = trimBlanks(markedText());
    const LinkKind kind = classifyLinkText(text);
    Platform &platform = m_program.platform();
    if (kind == LinkKind::FilePath) {
        if (!QFileInfo(text).isFile()) {
            m_program.answerText = MsgLumo(m_program, &m_window, missingFileMessage(text), 3, 0,
                                           QStringLiteral("Dateipfad"), 1, 0xC0E0FF);
            return;
        }
        const QString shortName = platform.shortPath(text);
        const QString associated = platform.findAssociatedProgram(shortName);
        if (associated.isEmpty())
            platform.openWithAssociatedProgram(shortName); // the system knows better than nobody
        else
            platform.startProcess(associated, {shortName});
        return;
    }
    const std::optional<LinkQuestion> question = linkQuestion(kind, text);
    const QString answer = InputLumo(m_program, &m_window, question->prompt,
                                     QString::fromUtf8(kLinkQuestionTitle), question->defaultText);
    if (!answer.isEmpty())
        platform.openWithAssociatedProgram(question->openPrefix + answer);
}

void TextsComponent::onlineSearch(int labelIndex)
{
    const auto field = [this](const char *name) {
        auto *edit = m_window.findChild<QLineEdit *>(QString::fromLatin1(name));
        return edit ? edit->text() : QString();
    };
    const std::optional<QString> query =
        onlineSearchQuery(labelIndex, field("TextBand"), field("TextLPTitel"), field("TextBestellNr"));
    if (!query)
        return;
    m_program.platform().openWithAssociatedProgram(
        shopSearchAddress(QString::fromLatin1(kShopHost), shopQueryText(*query)));
}

} // namespace klangtruhe
