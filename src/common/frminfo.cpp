#include "common/frminfo.h"

#include "app/icons.h"
#include "app/program.h"
#include "common/positionform.h"
#include "common/programversion.h"
#include "common/twips.h"
#include "common/uifont.h"
#include "common/wincolour.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace klangtruhe {

namespace {

constexpr quint32 InfoBack = 0xDEC9AD;
constexpr quint32 BorderLight = 0xFFFFFF;
constexpr quint32 BorderShadow = 0x808080;

QString spacedLetters(const QString &word)
{
    QStringList letters;
    for (const QChar c : word)
        letters << QString(c);
    return letters.join(QLatin1Char(' '));
}

// Four lines just outside the rectangle; raised lights the top and left.
void draw3DBorder(QPainter &painter, const QRect &rect, int width, bool raised)
{
    const QColor light = winColour(BorderLight);
    const QColor shadow = winColour(BorderShadow);
    const qreal half = width / 2.0;
    const QRectF outer = QRectF(rect).adjusted(-half, -half, half, half);
    painter.setPen(QPen(raised ? light : shadow, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(outer.topLeft(), outer.topRight());
    painter.drawLine(outer.topLeft(), outer.bottomLeft());
    painter.setPen(QPen(raised ? shadow : light, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(outer.bottomLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomRight());
}

} // namespace

QStringList creditLines(const QString &programName, const QString &version)
{
    return {spacedLetters(QStringLiteral("Fernwerk")),
            QString(),
            QStringLiteral("presents..."),
            QString(),
            QString(),
            programName,
            QString(),
            QStringLiteral("Versionsnummer: ") + version,
            QString(),
            QStringLiteral("*"),
            QString(),
            QStringLiteral("Programmautor"),
            QString(),
            QStringLiteral("Fernwerk Software"),
            QString(),
            QStringLiteral("© Fernwerk - frei für den privaten Gebrauch"),
            QString(),
            QString(),
            QStringLiteral("- - -"),
            QString()};
}

frmInfo::frmInfo(Program &program, QWidget *parent)
    : QDialog(parent)
    , m_program(program)
{
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(uiFont(QStringLiteral("Segoe UI"), 9));
    setFixedSize(twipsSize(7200, 4320));
    QPalette back = palette();
    back.setColor(QPalette::Window, winColour(InfoBack));
    back.setColor(QPalette::WindowText, winColour(colours::DialogText));
    setPalette(back);
    setAutoFillBackground(true);

    m_bildLumo = new QLabel(this);
    m_bildLumo->setObjectName(QStringLiteral("BildLumo"));
    m_bildLumo->setGeometry(twipsRect(360, 600, 2400, 2400));
    m_bildLumo->setAlignment(Qt::AlignCenter);
    const int side = std::min(m_bildLumo->width(), m_bildLumo->height()) - 8;
    m_bildLumo->setPixmap(klangtruheIcon(QStringLiteral("klangtruhe-player")).pixmap(QSize(side, side), devicePixelRatioF()));
    m_bildLumo->installEventFilter(this);

    m_rahmen = new QFrame(this);
    m_rahmen->setObjectName(QStringLiteral("Rahmen"));
    m_rahmen->setFrameShape(QFrame::Box);
    m_rahmen->setGeometry(twipsRect(3240, 240, 3720, 3840));

    m_picture1 = new QWidget(m_rahmen);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setGeometry(m_rahmen->contentsRect());
    m_picture1->setAutoFillBackground(true);
    m_picture1->setFocusPolicy(Qt::StrongFocus);
    m_picture1->installEventFilter(this);

    m_picture2 = new QLabel(m_picture1);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setToolTip(QStringLiteral(" Start/Stop "));
    m_picture2->setAutoFillBackground(true);
    m_picture2->setFocusPolicy(Qt::StrongFocus);
    m_picture2->installEventFilter(this);
    m_picture2->hide();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(50);
    m_timer1->setProperty("Tag", QStringLiteral("1"));
    connect(m_timer1, &QTimer::timeout, this, &frmInfo::Timer1_Timer);

    QString name = program.settings.read(keys::ProgrammName);
    if (name.isEmpty())
        name = QStringLiteral("Klangtruhe-Player");
    m_credits = creditLines(name, programVersionText());

    startCredits();
    m_picture2->setFocus(Qt::OtherFocusReason);
}

void frmInfo::startCredits()
{
    m_program.platform().playSoundAsync(m_program.programFolder + QStringLiteral("Blues.wav"));
    m_timer1->stop();
    m_picture2->hide();

    const int lineHeight = m_picture1->fontMetrics().height();
    const QSize size(m_picture1->width(), 20 * lineHeight);
    m_picture2->setGeometry(QRect(QPoint(0, m_picture1->height()), size));
    m_picture2->setPalette(m_picture1->palette());

    // Drawn once; the timer only moves the picture.
    const qreal ratio = devicePixelRatioF();
    QPixmap block(size * ratio);
    block.setDevicePixelRatio(ratio);
    block.fill(winColour(InfoBack));
    QPainter painter(&block);
    painter.setFont(m_picture1->font());
    painter.setPen(winColour(colours::DialogText));
    int y = 0;
    for (const QString &line : m_credits) {
        painter.drawText(QRect(0, y, size.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop, line);
        y += lineHeight;
    }
    painter.end();
    m_picture2->setPixmap(block);

    m_picture2->show();
    m_timer1->start();
}

void frmInfo::Timer1_Timer()
{
    const int step = m_timer1->property("Tag").toString().toInt();
    if (m_picture2->y() + m_picture2->height() < 0) {
        m_timer1->stop();
        startCredits();
        return;
    }
    m_picture2->move(m_picture2->x(), m_picture2->y() - step);
}

void frmInfo::playDefaultSound()
{
    // The folder stands for "no such sound": the system plays its default one.
    m_program.platform().playSoundAsync(m_program.programFolder);
}

bool frmInfo::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_picture2 && type == QEvent::MouseButtonRelease) {
        if (m_timer1->isActive())
            m_timer1->stop();
        else
            m_timer1->start();
        return true;
    }
    if ((watched == m_picture1 || watched == m_picture2) && type == QEvent::KeyRelease &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    if (watched == m_bildLumo && type == QEvent::MouseButtonPress) {
        m_pictureInset = true;
        update();
        return true;
    }
    if (watched == m_bildLumo && type == QEvent::MouseButtonRelease) {
        m_pictureInset = false;
        update();
        playDefaultSound();
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmInfo::keyPressEvent(QKeyEvent *event)
{
    // Escape closes on its release, not at once as in other dialogs.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmInfo::closeEvent(QCloseEvent *event)
{
    m_timer1->stop();
    playDefaultSound();
    QDialog::closeEvent(event);
}

void frmInfo::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    update();
}

void frmInfo::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    draw3DBorder(painter, m_rahmen->geometry(), 8, true);
    draw3DBorder(painter, m_bildLumo->geometry(), 3, !m_pictureInset);
}

void showInfo(Program &program, QWidget *mainWindow)
{
    frmInfo window(program, mainWindow);
    PositionForm(&window, mainWindow, QStringLiteral("center"), 10);
    window.exec();
}

} // namespace klangtruhe
