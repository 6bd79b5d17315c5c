#pragma once
// One program per data directory. Two copies on one directory would each save their own stale box
// over the other's, so the first locks a file there (a lock the system lets go of when the program
// ends, however it ends) and listens on a local socket named after the directory; the second,
// finding the lock held, asks through the socket for the first one's launcher to come to the
// front, and ends.
//
// The socket lives in a directory only this user may enter ($XDG_RUNTIME_DIR, else a private
// directory of the user's under the temporary directory), so no other user can take its name
// beforehand; it answers only this user's processes, closes a connection that says nothing within
// a second, and keeps only a few connections open at once.

#include "files/directory_lock.h"

#include <QList>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace rusrina {

inline constexpr const char* kLockFileName = "rusrina.lock";

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& dataDir, QObject* parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        Owner,     // this program holds the lock and listens for later starts
        Taken,     // another running program holds it
        Unguarded, // neither the directory nor any lock file can be locked: the program runs
                   // without a guard, and says so (unguardedText)
    };
    // Takes the lock. A lock file no running program holds (left by a kill or a crash, empty,
    // half-written, naming a process that is gone) is taken over. Where the file system keeps no
    // locks, a program runs there only if its socket answers.
    Claim claim();

    // For a start that found the lock taken: asks the running program to come to the front and
    // waits up to `timeoutMs` for its answer, trying again while the running one is busy. True when
    // it answered.
    bool activateRunning(int timeoutMs = 5000);

    // The local socket's full path: the same for every start on one directory, whatever path led
    // there. Empty when the user has no private directory to hold it.
    static QString serverName(const QString& dataDir);

    // How long a connection may stay silent, and how many may be open at once.
    static constexpr int kSilenceMs = 1000;
    static constexpr int kMaxConnections = 8;

Q_SIGNALS:
    // A later start on the same directory asked this program to come to the front.
    void activationRequested();

private:
    void listen();
    void answer();
    void admit(QLocalSocket* socket);
    void hear(QLocalSocket* socket);
    // One request and its answer; true when the running program answered.
    bool ask(const QByteArray& request, int timeoutMs);

    QString m_dir;
    DirectoryLock m_lock;
    QLocalServer* m_server = nullptr;
    QList<QLocalSocket*> m_connections; // oldest first
};

// What a start says when nothing guards the directory against a second program.
QString unguardedText(const QString& dataDir);

// What a second start says when the running program did not answer.
QString alreadyRunningText(const QString& dataDir);

} // namespace rusrina
