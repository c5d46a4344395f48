#pragma once

#include <QObject>

namespace klangtruhe {

// Tells when the system asks the program to end (the session ends, the
// service manager or the user sends a termination signal), so the program can
// end the way "&Beenden" does and lose no edit.
class EndSessionWatcher : public QObject {
    Q_OBJECT
public:
    explicit EndSessionWatcher(QObject *parent = nullptr);
    ~EndSessionWatcher() override;

Q_SIGNALS:
    void endRequested();
};

} // namespace klangtruhe
