#pragma once
// One editor per user and settings folder: a second start hands its file names to the
// first over a local socket and ends.

#include <QObject>
#include <QStringList>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // key distinguishes independent instances (one per settings folder).
    explicit SingleInstance(const QString& key, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Tries to hand files to a running instance. True when one answered: this start should end.
    bool handOver(const QStringList& files, int timeoutMs = 2000);
    enum class Listen { Listening, Taken, Failed };
    // Becomes the running instance; Taken when another instance, alive, already listens on the
    // socket, Failed when the socket cannot be made.
    Listen listen();

    static QString serverNameFor(const QString& key);

Q_SIGNALS:
    void filesReceived(const QStringList& files);

private:
    void acceptConnection();

    QString name_;
    QLocalServer* server_ = nullptr;
};
