#pragma once

#include <QLabel>

namespace klangtruhe {

// `lblGradiant`: the strip beside the tool buttons that names the current
// entry ("Band – Titel") on the dialogs' gradient.
class TitleStrip : public QLabel {
    Q_OBJECT
public:
    explicit TitleStrip(QWidget *parent = nullptr);
    void showEntry(const QString &band, const QString &title);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace klangtruhe
