#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>

class QWidget;

namespace klangtruhe {

// While the main window is active the mouse wheel moves its lists, grids,
// sliders and text fields in fixed steps (common/wheelrules.h). The hook is an
// event filter on every such control of the window, kept in a table of 50
// entries; a control beyond the 49th keeps Qt's own wheel behaviour.
class WheelHook : public QObject {
    Q_OBJECT
public:
    static constexpr int TableSize = 50;

    explicit WheelHook(QObject *parent = nullptr);
    ~WheelHook() override;

    // Rebuilds the table from the window's controls; nothing without a window.
    void HookWheel(QWidget *window);
    // Removes every hook.
    void UnhookWheel();

    // Hooks whenever the window is activated and unhooks when it is
    // deactivated or closes, so the main window needs only this one call.
    void attachTo(QWidget *window);

    int hookedCount() const;
    bool isHooked(const QWidget *control) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry {
        QPointer<QWidget> control;
        // Scroll areas get their wheel messages on the viewport.
        QPointer<QWidget> viewport;
        QString className;
    };

    void wheelStep(const Entry &entry, bool away);

    std::array<Entry, TableSize> m_table;
    QPointer<QWidget> m_window;
};

// The word by which a control is known to the wheel ("slider", "scrollbar",
// "listbox", "combobox", "flexgrid", "textbox", "richtext"), or "" for a
// control the wheel leaves alone.
QString wheelClassName(const QWidget *control);

} // namespace klangtruhe
