#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace klangtruhe {

// The program runs once per settings store. The first instance listens on a
// local socket named after the store; a second start connects, asks the first
// to bring its window forward, and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &storeLocation, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when another instance answered (and was asked to come forward).
    bool askRunningInstanceToActivate();
    // Becomes the running instance.
    bool listen();

    QString key() const { return m_key; }

Q_SIGNALS:
    void activationRequested();

private:
    QString m_key;
    QLocalServer *m_server = nullptr;
};

QString singleInstanceKey(const QString &storeLocation);

} // namespace klangtruhe
