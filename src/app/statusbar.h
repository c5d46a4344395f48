#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace klangtruhe {

// The main window's status bar `staBar` with its six panels:
// 1 database, 2 player, 3 entry count, 4 processor, 5 memory, 6 sleep.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    void setPanel(int number, const QString &text);
    QString panel(int number) const;
    QLabel *panelLabel(int number) const;
    // Panel 2 looks sunken while the playing entry is looked up.
    void setPanelInset(int number, bool inset);

Q_SIGNALS:
    void panelClicked(int number);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<QLabel *, 6> m_panels{};
};

} // namespace klangtruhe
