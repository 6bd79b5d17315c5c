#pragma once
// One program per data directory. Two copies on one directory would each save their own stale box
// over the other's, so the first takes a lock file there and the second, finding it taken, asks the
// first (through a local socket named after the directory, the desktop's usual way) to bring its
// launcher to the front, and ends.

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

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
        Unguarded, // no lock can be made there (a directory that takes no files): nothing can be
                   // saved there either, so the program runs without one
    };
    // Takes the lock; a lock whose program no longer runs (killed, crashed) is taken over.
    Claim claim();

    // For a start that found the lock taken: asks the running program to come to the front and
    // waits up to `timeoutMs` for its answer. True when it answered.
    bool activateRunning(int timeoutMs = 5000);

    // The local socket's name: the same for every start on one directory, whatever path led there.
    static QString serverName(const QString& dataDir);

Q_SIGNALS:
    // A later start on the same directory asked this program to come to the front.
    void activationRequested();

private:
    void listen();
    void answer();

    QString m_dir;
    QLockFile m_lock;
    QLocalServer* m_server = nullptr;
};

// What a second start says when the running program did not answer.
QString alreadyRunningText(const QString& dataDir);

} // namespace rusrina
