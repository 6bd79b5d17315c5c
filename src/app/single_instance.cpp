#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

namespace rusrina {
namespace {

const QByteArray kActivate = "activate\n";
const QByteArray kActivated = "ok\n";

} // namespace

SingleInstance::SingleInstance(const QString& dataDir, QObject* parent)
    : QObject(parent), m_dir(dataDir), m_lock(QDir(dataDir).filePath(QString::fromLatin1(kLockFileName))) {
    // The program may run for days: only a lock whose process is gone is stale, never an old one.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim() {
    if (!m_lock.tryLock(0))
        return m_lock.error() == QLockFile::LockFailedError ? Claim::Taken : Claim::Unguarded;
    listen();
    return Claim::Owner;
}

QString SingleInstance::serverName(const QString& dataDir) {
    const QString canonical = QFileInfo(dataDir).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? dataDir : canonical).toUtf8(), QCryptographicHash::Sha1);
    // Per user, so that another user's program on a directory of the same name is never asked.
    return QStringLiteral("rusrina-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash.toHex().left(20)));
}

void SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, any socket of that name was left by a program that no longer runs.
    QLocalServer::removeServer(serverName(m_dir));
    if (!m_server->listen(serverName(m_dir)))
        return; // later starts then say that the program runs, without bringing it forward
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().startsWith(kActivate.trimmed()))
                return;
            Q_EMIT activationRequested();
            socket->write(kActivated);
            socket->disconnectFromServer(); // after the answer is written
        });
    }
}

bool SingleInstance::activateRunning(int timeoutMs) {
    QLocalSocket socket;
    QEventLoop loop;
    bool answered = false;
    // An event loop rather than the blocking waits, so that the answer can come from this very
    // thread (as it does in the tests, where both ends live in one process).
    connect(&socket, &QLocalSocket::connected, &loop, [&socket] { socket.write(kActivate); });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        answered = socket.readAll().startsWith(kActivated.trimmed());
        loop.quit();
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    socket.connectToServer(serverName(m_dir));
    if (socket.state() != QLocalSocket::UnconnectedState)
        loop.exec();
    return answered;
}

QString alreadyRunningText(const QString& dataDir) {
    return QStringLiteral("このデータディレクトリを使うルセリナが既に起動しています。\n%1\n"
                          "起動中のルセリナを前面に出せませんでした。そちらのウィンドウをお使いください。")
        .arg(QDir::toNativeSeparators(dataDir));
}

} // namespace rusrina
