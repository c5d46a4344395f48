#include "mainwindowharness.h"

#include "app/statusbar.h"
#include "catalogue/recordtablemodel.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QStyle>
#include <QLabel>
#include <gtest/gtest.h>

using namespace klangtruhe;
using namespace klangtruhe::test;

namespace {

// Room a caption has for its text: the label's contents, a check box beside
// its indicator, a button inside its frame.
int textRoom(QWidget *widget)
{
    QStyle *style = widget->style();
    if (qobject_cast<QCheckBox *>(widget))
        return widget->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget)
               - style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, widget);
    if (qobject_cast<QAbstractButton *>(widget))
        return widget->width() - 2;
    return widget->contentsRect().width();
}

// Every caption of the window (labels, check boxes, buttons with text)
// shows its whole text.
void expectCaptionsFit(QWidget &window, const std::string &where)
{
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->wordWrap())
            text = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            text = button->text();
        text.remove(QLatin1Char('&'));
        if (text.trimmed().isEmpty() || !widget->isVisible())
            continue;
        EXPECT_LE(widget->fontMetrics().horizontalAdvance(text), textRoom(widget))
            << where << ": " << widget->objectName().toStdString() << " \"" << text.toStdString() << '"';
    }
}

} // namespace

TEST(CaptionFit, EveryCaptionShowsWholeAtProgramFontsFrom8To14)
{
    for (const char *size : {"8", "10", "14"}) {
        MainWindowHarness h({Row{{"Band", "Die Ärzte"}, {"LPTitel", "Geräusch"}}}, false);
        h.program().settings.write(keys::ProgSchriftSize, QString::fromLatin1(size));
        h.window->RegistryLesen();
        h.catalogue().OpenDatabase(h.path);
        h.window->status().setPanel(1, QStringLiteral(" Fehler beim Laden der Datenbank!"));
        h.window->resize(1200, 800);
        QCoreApplication::processEvents();
        const std::string where = std::string(size) + " pt";
        expectCaptionsFit(*h.window, where);
    }
}
