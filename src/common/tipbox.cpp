#include "common/tipbox.h"

#include "app/icons.h"
#include "app/program.h"
#include "common/gradient.h"
#include "common/positionform.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "common/wincolour.h"
#include "common/numbers.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace klangtruhe {

namespace {

constexpr const char *TipsFileName = "TipOfDay.ini";

// Design positions in twips.
constexpr double ClientWidth = 7200;
constexpr double ClientHeight = 3900;
constexpr double PictureSize = 840;
constexpr double TextLeft = 1320;
constexpr double TextWidth = ClientWidth - TextLeft - 240;

} // namespace

Tipbox::Tipbox(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("Tipbox"));
    setWindowTitle(QStringLiteral("Tipps und Tricks"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(dialogFont());
    setFixedSize(twipsSize(ClientWidth, ClientHeight));
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, winColour(colours::DialogBack));
    windowPalette.setColor(QPalette::WindowText, winColour(colours::DialogText));
    windowPalette.setColor(QPalette::ButtonText, winColour(colours::DialogText));
    setPalette(windowPalette);
    new GradientBackground(this, colours::GradientDark, colours::DialogBack, 1);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgTip"));
    picture->setGeometry(twipsRect(240, 240, PictureSize, PictureSize));
    picture->setAlignment(Qt::AlignCenter);
    const int side = std::min(picture->width(), picture->height());
    picture->setPixmap(klangtruheIcon(QStringLiteral("tipp")).pixmap(QSize(side, side), devicePixelRatioF()));

    auto *heading = new QLabel(QStringLiteral("Wußten Sie schon.."), this);
    heading->setObjectName(QStringLiteral("lblWusstenSie"));
    QFont headingFont = uiFont(QStringLiteral("Trebuchet MS"), 13);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setGeometry(twipsRect(TextLeft, 240, TextWidth, 480));

    m_lblTipText = new QLabel(this);
    m_lblTipText->setObjectName(QStringLiteral("lblTipText"));
    m_lblTipText->setWordWrap(true);
    m_lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblTipText->setTextFormat(Qt::PlainText);
    m_lblTipText->setGeometry(twipsRect(TextLeft, 840, TextWidth, 2280));

    m_chkLoadTipsAtStartup = new QCheckBox(QStringLiteral("&Tipps beim Starten anzeigen"), this);
    m_chkLoadTipsAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    m_chkLoadTipsAtStartup->setGeometry(twipsRect(240, 3360, 3000, 330));
    connect(m_chkLoadTipsAtStartup, &QCheckBox::clicked, this, &Tipbox::chkLoadTipsAtStartup_Click);

    m_cmdNextTip = new QPushButton(QStringLiteral("&Nächster Tipp"), this);
    m_cmdNextTip->setObjectName(QStringLiteral("cmdNextTip"));
    m_cmdNextTip->setGeometry(twipsRect(3600, 3300, 1800, 420));
    m_cmdNextTip->setAutoDefault(false);
    connect(m_cmdNextTip, &QPushButton::clicked, this, &Tipbox::DoNextTip);

    m_cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(5520, 3300, 1440, 420));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load();
}

void Tipbox::Form_Load()
{
    const QString family = m_program.settings.read(keys::ProgSchriftName);
    const double size = leadingNumber(m_program.settings.read(keys::ProgSchriftSize, keys::kFontDialogFontSize));
    m_lblTipText->setFont(uiFont(family, size > 0 ? size : 12));

    m_chkLoadTipsAtStartup->setChecked(true);

    const QString fileName = QString::fromLatin1(TipsFileName);
    if (m_tips.LoadTips(m_program.programFolder + fileName))
        DisplaypriCurrentTip();
    else
        m_lblTipText->setText(missingTipsMessage(fileName));
}

void Tipbox::DoNextTip()
{
    m_tips.DoNextTip();
    DisplaypriCurrentTip();
}

void Tipbox::DisplaypriCurrentTip()
{
    if (m_tips.count() > 0)
        m_lblTipText->setText(m_tips.currentTip());
}

void Tipbox::chkLoadTipsAtStartup_Click(bool checked)
{
    m_program.settings.write(keys::ShowTipsAtStartup, checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void showTips(Program &program, QWidget *mainWindow)
{
    Tipbox box(program, mainWindow);
    PositionForm(&box, mainWindow, QStringLiteral("center"), 10);
    box.exec();
}

} // namespace klangtruhe
