#include "app/statusbar.h"

#include <QEvent>
#include <QLabel>

namespace klangtruhe {

StatusBar::StatusBar(QWidget *parent)
    : QStatusBar(parent)
{
    setObjectName(QStringLiteral("staBar"));
    setSizeGripEnabled(true);
    // Stretch factors: the database name and the player status get the room;
    // the load panels keep the width of their longest text ("CPU 100 %").
    const int stretch[6] = {3, 6, 2, 0, 0, 1};
    for (int i = 0; i < 6; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("staBar_%1").arg(i + 1));
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Raised);
        label->setContentsMargins(4, 0, 4, 0);
        if (i == 3 || i == 4)
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("CPU 100 %")) + 12);
        else if (i == 5)
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("Sleep 00:00")) + 16);
        else if (i == 0) // the longest of its own messages
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral(" Fehler beim Laden der Datenbank!")) + 16);
        else
            label->setMinimumWidth(60);
        label->installEventFilter(this);
        addWidget(label, stretch[i]);
        m_panels[static_cast<size_t>(i)] = label;
    }
    setPanel(2, QStringLiteral("no play"));
    setPanel(6, QStringLiteral("Sleep Off"));
}

QLabel *StatusBar::panelLabel(int number) const
{
    if (number < 1 || number > 6)
        return nullptr;
    return m_panels[static_cast<size_t>(number - 1)];
}

void StatusBar::setPanel(int number, const QString &text)
{
    if (QLabel *label = panelLabel(number))
        label->setText(text);
}

QString StatusBar::panel(int number) const
{
    const QLabel *label = panelLabel(number);
    return label ? label->text() : QString();
}

void StatusBar::setPanelInset(int number, bool inset)
{
    if (QLabel *label = panelLabel(number))
        label->setFrameShadow(inset ? QFrame::Sunken : QFrame::Raised);
}

bool StatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int i = 0; i < 6; ++i) {
            if (watched == m_panels[static_cast<size_t>(i)])
                Q_EMIT panelClicked(i + 1);
        }
    }
    return QStatusBar::eventFilter(watched, event);
}

} // namespace klangtruhe
