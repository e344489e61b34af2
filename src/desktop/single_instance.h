#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace rw {

// One running copy per user. The first process holds a lock file in the user's runtime folder
// and listens on a local socket beside it; a later process finds the lock taken and asks the
// first, through the socket, to bring its window forward.
class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Role {
        First,           // this process owns the lock and listens for hand-overs
        AlreadyRunning,  // another live process owns the lock
        Unguarded,       // the lock could not be taken for another reason: start anyway
    };

    // `folder` holds the lock and the socket; empty means the user's runtime folder (or the
    // temporary folder where there is none). `key` names both.
    explicit SingleInstance(QString folder = QString(),
                            QString key = QStringLiteral("ribwrightv1"));
    ~SingleInstance() override;

    // Takes the lock; a lock left by a process that no longer runs is cleared first.
    Role claim();

    // Second process: asks the running one to come forward. Returns whether the request was
    // delivered; a failure (the first has no listener yet) is not the caller's concern.
    bool handOver(int timeoutMilliseconds = 2000);

    QString lockFilePath() const;
    QString serverName() const;

  signals:
    // First process: a later start asked this one to show its window.
    void activationRequested();

  private:
    void listen();

    QString folder_;
    QString key_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
};

// The folder where the lock and socket live when none is given.
QString defaultInstanceFolder();

}  // namespace rw
