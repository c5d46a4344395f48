#include "media/ebookcomponent.h"

#include "app/icons.h"
#include "app/program.h"
#include "catalogue/detailview.h"
#include "common/events.h"
#include "common/msglumo.h"
#include "common/twips.h"
#include "media/coverrules.h"
#include "media/ebookrules.h"
#include "player/picturebutton.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>

namespace klangtruhe {

EbookComponent::EbookComponent(Program &program, QMainWindow &window, DetailView &detail)
    : QObject(&window)
    , m_program(program)
    , m_window(window)
    , m_caption(detail.caption(11))
{
    m_txtEbook = window.findChild<QLineEdit *>(QStringLiteral("txtEbook"));
    m_fromDatabaseFolder = window.findChild<QAction *>(QStringLiteral("mnuBildDatenbankpfad"));

    auto *row = new QWidget;
    row->setObjectName(QStringLiteral("fraEbook"));
    auto *box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    m_cboEbook = new QComboBox(row);
    m_cboEbook->setObjectName(QStringLiteral("cboEbook"));
    m_cboEbook->setEditable(true);
    m_cboEbook->setInsertPolicy(QComboBox::NoInsert);
    // Long paths must not widen the detail page's columns.
    m_cboEbook->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cboEbook->setMinimumContentsLength(8);
    m_cboEbook->installEventFilter(this);
    box->addWidget(m_cboEbook, 1);
    const int side = twipsToPixelsY(240); // 16 pixels at 96 dpi
    m_imgEbookPlay = new PictureButton(QStringLiteral("imgEbookPlay"), QStringLiteral(" eBook anzeigen "),
                                       klangtruheIcon(QStringLiteral("play")).pixmap(side, side), row);
    box->addWidget(m_imgEbookPlay);
    connect(m_imgEbookPlay, &PictureButton::clicked, this, &EbookComponent::imgEbookPlay_Click);

    // The list sits on the detail page, under the fields, beside the eBook field's column.
    QWidget *page = window.findChild<QWidget *>(QStringLiteral("pageDaten"));
    auto *grid = page ? qobject_cast<QGridLayout *>(page->layout()) : nullptr;
    if (grid) {
        grid->addWidget(row, 7, 2, 1, 2); // the detail page keeps this row free for it
    } else {
        row->setParent(window.centralWidget());
        row->setGeometry(twipsRect(8610, 5640, 4150, 330));
    }
}

bool EbookComponent::fromDatabaseFolder() const
{
    return m_fromDatabaseFolder && m_fromDatabaseFolder->isChecked();
}

void EbookComponent::eBookListe()
{
    m_cboEbook->clear();
    m_cboEbook->setEditText(QString());
    if (m_caption)
        m_caption->setText(eBookCaption(0));
    const QString field = m_txtEbook ? m_txtEbook->text().trimmed() : QString();
    if (field.isEmpty())
        return;
    const QStringList files = existingListedFiles(field, fromDatabaseFolder(), eBookFolder(m_program.databaseFolder),
                                                  m_program.pathMap);
    m_cboEbook->addItems(files);
    // The text is the last existing file, as each found file became it in turn.
    if (!files.isEmpty())
        m_cboEbook->setEditText(files.last());
    if (m_caption)
        m_caption->setText(eBookCaption(static_cast<int>(files.size())));
}

void EbookComponent::imgEbookPlay_Click()
{
    const QString file = m_cboEbook->currentText();
    if (file.isEmpty())
        return;
    Platform &platform = m_program.platform();
    const EbookCall call = eBookCall(platform.findAssociatedProgram(file), file,
                                     [&platform](const QString &path) { return platform.shortPath(path); });
    doEvents();
    if (call.program.isEmpty() || !platform.startProcess(call.program, {call.file})) {
        MsgLumo(m_program, &m_window, noAssociatedProgramText(file), 3, 0,
                QStringLiteral("Buchbox_imgEbookPlay_Click"), 1, 0xC0E0FF, 0x352300);
    }
}

bool EbookComponent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_cboEbook && event->type() == QEvent::FocusIn)
        m_program.lastFocusedControl = QStringLiteral("cboEbook");
    return QObject::eventFilter(watched, event);
}

} // namespace klangtruhe
