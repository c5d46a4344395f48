#include "common/wheelhook.h"
#include "common/wheelrules.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QListWidget>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextEdit>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace klangtruhe;

TEST(WheelRules, StepsStopAtTheirLimits)
{
    using namespace wheel;
    // A list of 10 rows: TopIndex 9 goes no further down, 0 no further up.
    EXPECT_EQ(listTopIndex(9, 10, false), 9);
    EXPECT_EQ(listTopIndex(8, 10, false), 9);
    EXPECT_EQ(listTopIndex(0, 10, true), 0);
    EXPECT_EQ(listTopIndex(1, 10, true), 0);
    EXPECT_EQ(listTopIndex(0, 0, false), 0);

    // A grid with one fixed row never goes above TopRow 1.
    EXPECT_EQ(gridTopRow(1, 20, true), 1);
    EXPECT_EQ(gridTopRow(2, 20, true), 1);
    EXPECT_EQ(gridTopRow(19, 20, false), 19);
    EXPECT_EQ(gridTopRow(18, 20, false), 19);

    EXPECT_EQ(sliderValue(0, 0, 10, true), 0);
    EXPECT_EQ(sliderValue(10, 0, 10, false), 10);
    EXPECT_EQ(sliderValue(5, 0, 10, true), 4);
    EXPECT_EQ(dataGridFirstRow(0, true), -1);

    // Text of 120 characters: from 60 towards the user to 110; from 80 it stays.
    EXPECT_EQ(textCaret(60, 120, false), 110);
    EXPECT_EQ(textCaret(70, 120, false), 70);
    EXPECT_EQ(textCaret(80, 120, false), 80);
    EXPECT_EQ(textCaret(51, 120, true), 1);
    EXPECT_EQ(textCaret(50, 120, true), 50);

    EXPECT_TRUE(turnedAway(120));
    EXPECT_FALSE(turnedAway(-120));
    EXPECT_FALSE(turnedAway(0));
}

namespace {

void turnWheel(QWidget *target, int delta)
{
    const QPointF inside(5, 5);
    QWheelEvent event(inside, target->mapToGlobal(inside), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

TEST(WheelHook, HooksTheWindowsControlsAndStepsThem)
{
    QWidget window;
    window.resize(600, 400);
    auto *list = new QListWidget(&window);
    list->setGeometry(0, 0, 200, 100);
    for (int i = 0; i < 40; ++i)
        list->addItem(QStringLiteral("Titel %1").arg(i));
    auto *slider = new QSlider(Qt::Horizontal, &window);
    slider->setGeometry(0, 120, 200, 20);
    slider->setRange(0, 3);
    auto *text = new QTextEdit(&window);
    text->setGeometry(220, 0, 200, 100);
    text->setPlainText(QString(120, QLatin1Char('x')));
    auto *spin = new QSpinBox(&window);
    spin->setGeometry(220, 120, 80, 24);
    window.show();

    WheelHook hook;
    hook.HookWheel(&window);
    EXPECT_TRUE(hook.isHooked(list));
    EXPECT_TRUE(hook.isHooked(slider));
    EXPECT_TRUE(hook.isHooked(text));
    // The list's own scroll bars and the spin box's edit field are parts, not controls.
    EXPECT_FALSE(hook.isHooked(list->verticalScrollBar()));
    EXPECT_EQ(hook.hookedCount(), 3);

    turnWheel(list->viewport(), -120);
    turnWheel(list->viewport(), -120);
    EXPECT_EQ(list->indexAt(QPoint(1, 1)).row(), 2);
    turnWheel(list->viewport(), 120);
    EXPECT_EQ(list->indexAt(QPoint(1, 1)).row(), 1);

    for (int i = 0; i < 5; ++i)
        turnWheel(slider, -120);
    EXPECT_EQ(slider->value(), 3);

    QTextCursor caret = text->textCursor();
    caret.setPosition(60);
    text->setTextCursor(caret);
    turnWheel(text->viewport(), -120);
    EXPECT_EQ(text->textCursor().position(), 110);

    hook.UnhookWheel();
    EXPECT_EQ(hook.hookedCount(), 0);
    turnWheel(slider, -120); // Qt's own wheel handling again: no step of ours
    EXPECT_FALSE(hook.isHooked(slider));

    hook.HookWheel(nullptr);
    EXPECT_EQ(hook.hookedCount(), 0);

    // The hook table has room for 49 controls; the rest keep Qt's own wheel handling.
    std::vector<QLineEdit *> fields;
    for (int i = 0; i < 60; ++i)
        fields.push_back(new QLineEdit(&window));
    hook.HookWheel(&window);
    EXPECT_EQ(hook.hookedCount(), WheelHook::TableSize - 1);
    EXPECT_FALSE(hook.isHooked(fields.back()));
}

TEST(WheelHook, FollowsActivationAndCloseOfTheAttachedWindow)
{
    QWidget window;
    new QSlider(&window);
    WheelHook hook;
    hook.attachTo(&window);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
    EXPECT_EQ(hook.hookedCount(), 1);
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&window, &deactivate);
    EXPECT_EQ(hook.hookedCount(), 0);
    QApplication::sendEvent(&window, &activate);
    window.show();
    window.close();
    EXPECT_EQ(hook.hookedCount(), 0);
}
