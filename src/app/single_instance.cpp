#include "app/single_instance.h"

#include "files/private_directory.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace rusrina {
namespace {

const QByteArray kActivate = "activate\n";
const QByteArray kPing = "ping\n"; // is anyone there? (answered without coming forward)
const QByteArray kAnswer = "ok\n";
constexpr qint64 kLongestRequest = 16;
constexpr int kRetryPauseMs = 100;
constexpr int kPingTimeoutMs = 1000;

// Whether the process at the other end of a local socket runs as this user.
bool peerIsThisUser(qintptr descriptor) {
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return descriptor >= 0 && ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof peer && peer.uid == ::geteuid();
}

std::filesystem::path temporaryDirectory() {
    std::error_code ec;
    std::filesystem::path dir = std::filesystem::temp_directory_path(ec);
    return ec || dir.empty() ? std::filesystem::path("/tmp") : dir;
}

// Closes a connection at once and lets it go.
void drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Where neither the lock file nor the directory can be locked: a file beside the socket, named after
// the directory as the socket is, in a directory only this user may enter.
std::filesystem::path fallbackLockFile(const QString& dataDir) {
    const QString socket = SingleInstance::serverName(dataDir);
    return socket.isEmpty() ? std::filesystem::path() : std::filesystem::path(socket.toStdString() + ".lock");
}

} // namespace

SingleInstance::SingleInstance(const QString& dataDir, QObject* parent)
    : QObject(parent), m_dir(dataDir),
      m_lock(QDir(dataDir).filePath(QString::fromLatin1(kLockFileName)).toStdString(), fallbackLockFile(dataDir)) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim() {
    switch (m_lock.acquire()) {
    case DirectoryLock::State::Held:
        break;
    case DirectoryLock::State::Taken:
        return Claim::Taken;
    case DirectoryLock::State::NoSystemLock:
        if (ask(kPing, kPingTimeoutMs))
            return Claim::Taken;
        m_lock.takeWithoutSystemLock();
        break;
    case DirectoryLock::State::Failed:
        return Claim::Unguarded;
    }
    listen();
    return Claim::Owner;
}

QString SingleInstance::serverName(const QString& dataDir) {
    const QString canonical = QFileInfo(dataDir).canonicalFilePath();
    const QByteArray hash =
        QCryptographicHash::hash((canonical.isEmpty() ? dataDir : canonical).toUtf8(), QCryptographicHash::Sha1);
    const std::string name = "rusrina-" + hash.toHex().left(20).toStdString();
    std::filesystem::path dir = socketDirectory(environment("XDG_RUNTIME_DIR"), temporaryDirectory());
    // A socket's path has to fit the system's address field.
    if (!dir.empty() && (dir / name).native().size() >= sizeof(sockaddr_un::sun_path))
        dir = socketDirectory({}, "/tmp");
    return dir.empty() ? QString() : QString::fromStdString((dir / name).string());
}

void SingleInstance::listen() {
    const QString name = serverName(m_dir);
    if (name.isEmpty())
        return; // later starts then say that the program runs, without bringing it forward
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Holding the lock, any socket of that name was left by a program that no longer runs; the
    // directory is this user's alone, so nobody else can have put one there.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name))
        return;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

void SingleInstance::answer() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        if (peerIsThisUser(socket->socketDescriptor()))
            admit(socket);
        else
            drop(socket);
    }
}

void SingleInstance::admit(QLocalSocket* socket) {
    // A flood of connections that say nothing must not use up the program's descriptors: past the
    // limit the oldest goes, which has had the longest to speak.
    while (m_connections.size() >= kMaxConnections)
        drop(m_connections.takeFirst());
    m_connections.append(socket);
    connect(socket, &QObject::destroyed, this, [this, socket] { m_connections.removeOne(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { hear(socket); });
    QTimer::singleShot(kSilenceMs, socket, [socket] { drop(socket); });
}

void SingleInstance::hear(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kLongestRequest)
            drop(socket);
        return;
    }
    const QByteArray request = socket->readLine(kLongestRequest + 1);
    if (request != kActivate && request != kPing) {
        drop(socket);
        return;
    }
    if (request == kActivate)
        Q_EMIT activationRequested();
    socket->write(kAnswer);
    socket->disconnectFromServer(); // after the answer is written
}

bool SingleInstance::ask(const QByteArray& request, int timeoutMs) {
    const QString name = serverName(m_dir);
    if (name.isEmpty())
        return false;
    QLocalSocket socket;
    QEventLoop loop;
    bool answered = false;
    // An event loop rather than the blocking waits, so that the answer can come from this very
    // thread (as it does in the tests, where both ends live in one process).
    connect(&socket, &QLocalSocket::connected, &loop, [&] {
        if (peerIsThisUser(socket.socketDescriptor()))
            socket.write(request);
        else
            loop.quit();
    });
    connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        if (!socket.canReadLine())
            return;
        answered = socket.readLine(kLongestRequest) == kAnswer;
        loop.quit();
    });
    connect(&socket, &QLocalSocket::errorOccurred, &loop, &QEventLoop::quit);
    connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    socket.connectToServer(name);
    if (socket.state() != QLocalSocket::UnconnectedState)
        loop.exec();
    return answered;
}

bool SingleInstance::activateRunning(int timeoutMs) {
    // The running program may be between its lock and its socket, or busy shedding a flood of
    // connections: it is asked again until the time is up.
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (ask(kActivate, static_cast<int>(deadline.remainingTime())))
            return true;
        if (deadline.remainingTime() <= kRetryPauseMs)
            return false;
        QThread::msleep(kRetryPauseMs);
    }
}

QString unguardedText(const QString& dataDir) {
    return QCoreApplication::translate(
               "SingleInstance",
               "このデータディレクトリをロックできませんでした。\n%1\n"
               "同じディレクトリでルセリナを同時に二つ起動すると、一方の保存がもう一方の保存を上書きします。")
        .arg(QDir::toNativeSeparators(dataDir));
}

QString alreadyRunningText(const QString& dataDir) {
    return QCoreApplication::translate("SingleInstance",
                                       "このデータディレクトリを使うルセリナが既に起動しています。\n%1\n"
                                       "起動中のルセリナを前面に出せませんでした。そちらのウィンドウをお使いください。")
        .arg(QDir::toNativeSeparators(dataDir));
}

} // namespace rusrina
