#include "common/wheelhook.h"

#include "common/wheelrules.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QWheelEvent>
#include <algorithm>

namespace klangtruhe {

namespace {

// A control inside another one (the scroll bars of a list, the line edit of a
// spin box) belongs to that control and is not hooked by itself.
bool isPartOfAnotherControl(const QWidget *control, const QWidget *window)
{
    for (const QWidget *up = control->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (!wheelClassName(up).isEmpty() || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
    }
    return false;
}

QAbstractItemView *itemViewOf(QWidget *control)
{
    if (auto *combo = qobject_cast<QComboBox *>(control))
        return combo->view();
    return qobject_cast<QAbstractItemView *>(control);
}

int topRowOf(QAbstractItemView *view)
{
    const QModelIndex top = view->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

void scrollToRow(QAbstractItemView *view, int row)
{
    if (!view->model())
        return;
    const QModelIndex index = view->model()->index(row, 0, view->rootIndex());
    if (index.isValid())
        view->scrollTo(index, QAbstractItemView::PositionAtTop);
}

} // namespace

QString wheelClassName(const QWidget *control)
{
    if (qobject_cast<const QScrollBar *>(control))
        return QStringLiteral("scrollbar");
    if (qobject_cast<const QAbstractSlider *>(control))
        return QStringLiteral("slider");
    if (qobject_cast<const QComboBox *>(control))
        return QStringLiteral("combobox");
    if (qobject_cast<const QTableView *>(control))
        return QStringLiteral("flexgrid");
    if (qobject_cast<const QAbstractItemView *>(control))
        return QStringLiteral("listbox");
    if (qobject_cast<const QTextEdit *>(control))
        return QStringLiteral("richtext");
    if (qobject_cast<const QPlainTextEdit *>(control) || qobject_cast<const QLineEdit *>(control))
        return QStringLiteral("textbox");
    return QString();
}

WheelHook::WheelHook(QObject *parent)
    : QObject(parent)
{
}

WheelHook::~WheelHook()
{
    UnhookWheel();
    if (m_window)
        m_window->removeEventFilter(this);
}

void WheelHook::attachTo(QWidget *window)
{
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (window) {
        window->installEventFilter(this);
        if (window->isActiveWindow())
            HookWheel(window);
    }
}

void WheelHook::HookWheel(QWidget *window)
{
    if (!window)
        return;
    UnhookWheel();
    int next = -1;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        // Dialogs owned by the window are windows of their own.
        if (control->window() != window)
            continue;
        const QString name = wheelClassName(control);
        if (name.isEmpty() || isPartOfAnotherControl(control, window))
            continue;
        ++next;
        if (next >= TableSize - 1)
            break;
        Entry &entry = m_table[std::size_t(next)];
        entry.control = control;
        entry.className = name;
        control->installEventFilter(this);
        if (auto *area = qobject_cast<QAbstractScrollArea *>(control)) {
            entry.viewport = area->viewport();
            entry.viewport->installEventFilter(this);
        }
    }
}

void WheelHook::UnhookWheel()
{
    for (Entry &entry : m_table) {
        if (entry.control)
            entry.control->removeEventFilter(this);
        if (entry.viewport)
            entry.viewport->removeEventFilter(this);
        entry = Entry{};
    }
}

int WheelHook::hookedCount() const
{
    return int(std::count_if(m_table.begin(), m_table.end(), [](const Entry &entry) { return !entry.control.isNull(); }));
}

bool WheelHook::isHooked(const QWidget *control) const
{
    return std::any_of(m_table.begin(), m_table.end(),
                       [control](const Entry &entry) { return control && entry.control == control; });
}

bool WheelHook::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::WindowActivate:
            HookWheel(m_window);
            break;
        case QEvent::WindowDeactivate:
        case QEvent::Close:
            UnhookWheel();
            break;
        default:
            break;
        }
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
    if (delta == 0)
        return false; // a sideways wheel is not ours
    for (const Entry &entry : m_table) {
        if (entry.control && (watched == entry.control || watched == entry.viewport)) {
            wheelStep(entry, wheel::turnedAway(delta));
            return true;
        }
    }
    return false;
}

void WheelHook::wheelStep(const Entry &entry, bool away)
{
    QWidget *control = entry.control;
    switch (wheel::kindOfClassName(entry.className)) {
    case wheel::Kind::Slider:
        if (auto *slider = qobject_cast<QAbstractSlider *>(control))
            slider->setValue(wheel::sliderValue(slider->value(), slider->minimum(), slider->maximum(), away));
        break;
    case wheel::Kind::List:
        if (QAbstractItemView *view = itemViewOf(control); view && view->model()) {
            const int count = view->model()->rowCount(view->rootIndex());
            const int top = topRowOf(view);
            const int wanted = wheel::listTopIndex(top, count, away);
            if (wanted != top)
                scrollToRow(view, wanted);
        }
        break;
    case wheel::Kind::FlexGrid:
        // The grid's header is its fixed row 0; model row r is grid row r + 1.
        if (QAbstractItemView *view = itemViewOf(control); view && view->model()) {
            const int rows = view->model()->rowCount(view->rootIndex()) + 1;
            const int top = topRowOf(view) + 1;
            const int wanted = wheel::gridTopRow(top, rows, away);
            if (wanted != top)
                scrollToRow(view, wanted - 1);
        }
        break;
    case wheel::Kind::DataGrid:
        if (QAbstractItemView *view = itemViewOf(control); view && view->model()) {
            const int top = topRowOf(view);
            scrollToRow(view, wheel::dataGridFirstRow(top, away));
        }
        break;
    case wheel::Kind::Text:
        if (auto *line = qobject_cast<QLineEdit *>(control)) {
            line->setCursorPosition(wheel::textCaret(line->cursorPosition(), int(line->text().size()), away));
        } else if (auto *rich = qobject_cast<QTextEdit *>(control)) {
            QTextCursor cursor = rich->textCursor();
            const int length = rich->document()->characterCount() - 1;
            cursor.setPosition(wheel::textCaret(cursor.position(), length, away));
            rich->setTextCursor(cursor);
            rich->ensureCursorVisible();
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(control)) {
            QTextCursor cursor = plain->textCursor();
            const int length = plain->document()->characterCount() - 1;
            cursor.setPosition(wheel::textCaret(cursor.position(), length, away));
            plain->setTextCursor(cursor);
            plain->ensureCursorVisible();
        }
        break;
    case wheel::Kind::None:
        break;
    }
}

} // namespace klangtruhe
