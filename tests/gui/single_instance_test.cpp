// One program per data directory: the lock, its recovery from a program that ended without
// releasing it, and the request to the running program to come forward. Both sides live in this
// one process here; tests/e2e runs the real program twice.

#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QLocalServer>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace rusrina;

namespace {

// A process id that no process has any more: a child that has ended and been reaped.
qint64 goneProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

// A raw client of the socket at `path` that connects and does nothing more; -1 when it cannot.
int silentClient(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), std::min<std::size_t>(name.size(), sizeof address.sun_path - 1));
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (fd >= 0)
            ::close(fd);
        return -1;
    }
    return fd;
}

// Whether the program has closed its end: a read finds the end of the stream, not "nothing yet".
bool closedByTheProgram(int fd) {
    char byte;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondStartBringsTheFirstForward();
    void lockOfAnEndedProgramIsTakenOver();
    void unansweredRequestIsReported();
    void idleAndStrayConnectionsAreClosed();
    void aFloodOfSilentClientsLeavesRoomForARealStart();
};

void SingleInstanceTest::secondStartBringsTheFirstForward() {
    QTemporaryDir dir;
    QVERIFY(QFile::link(dir.path(), dir.path() + QStringLiteral("-link")));
    SingleInstance first(dir.path());
    QCOMPARE(first.claim(), SingleInstance::Claim::Owner);
    QVERIFY(QFile::exists(QDir(dir.path()).filePath(QString::fromLatin1(kLockFileName))));
    QSignalSpy forward(&first, &SingleInstance::activationRequested);

    // The same directory by another path is the same directory.
    SingleInstance second(dir.path() + QStringLiteral("-link"));
    QCOMPARE(second.claim(), SingleInstance::Claim::Taken);
    QVERIFY(second.activateRunning());
    QCOMPARE(forward.size(), 1);

    QTemporaryDir otherDir;
    SingleInstance elsewhere(otherDir.path());
    QCOMPARE(elsewhere.claim(), SingleInstance::Claim::Owner);
    QVERIFY(SingleInstance::serverName(otherDir.path()) != SingleInstance::serverName(dir.path()));
    QFile::remove(dir.path() + QStringLiteral("-link"));
}

void SingleInstanceTest::lockOfAnEndedProgramIsTakenOver() {
    QTemporaryDir dir;
    {
        SingleInstance ended(dir.path());
        QCOMPARE(ended.claim(), SingleInstance::Claim::Owner);
    }
    SingleInstance released(dir.path());
    QCOMPARE(released.claim(), SingleInstance::Claim::Owner);
}

// A killed program leaves its lock file (and its socket) behind. The lock names a process that no
// longer runs, so the next start takes it over.
void SingleInstanceTest::unansweredRequestIsReported() {
    QTemporaryDir dir;
    QFile lock(QDir(dir.path()).filePath(QString::fromLatin1(kLockFileName)));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(goneProcess()) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
               QSysInfo::machineHostName().toUtf8() + '\n');
    lock.close();
    SingleInstance next(dir.path());
    QCOMPARE(next.claim(), SingleInstance::Claim::Owner);

    // A running program that cannot be reached: the later start says so, naming the directory.
    QLocalServer::removeServer(SingleInstance::serverName(dir.path()));
    SingleInstance later(dir.path());
    QCOMPARE(later.claim(), SingleInstance::Claim::Taken);
    QVERIFY(!later.activateRunning(500));
    QVERIFY(alreadyRunningText(dir.path()).contains(dir.path()));
}

// A connection that says nothing is closed after a second; one that says something else at once,
// without bringing the program forward.
void SingleInstanceTest::idleAndStrayConnectionsAreClosed() {
    QTemporaryDir dir;
    SingleInstance running(dir.path());
    QCOMPARE(running.claim(), SingleInstance::Claim::Owner);
    QSignalSpy forward(&running, &SingleInstance::activationRequested);
    const int silent = silentClient(SingleInstance::serverName(dir.path()));
    const int stray = silentClient(SingleInstance::serverName(dir.path()));
    QVERIFY(silent >= 0 && stray >= 0);
    const QByteArray junk = "\x1b[2J activate please\n";
    QCOMPARE(::send(stray, junk.constData(), junk.size(), MSG_NOSIGNAL), junk.size());
    QTRY_VERIFY(closedByTheProgram(stray));
    QTRY_VERIFY_WITH_TIMEOUT(closedByTheProgram(silent), 10000); // the bound only catches a hang
    QCOMPARE(forward.size(), 0);
    ::close(silent);
    ::close(stray);
}

// More silent clients than the program keeps: the oldest are let go, and a real second start is
// still answered.
void SingleInstanceTest::aFloodOfSilentClientsLeavesRoomForARealStart() {
    QTemporaryDir dir;
    SingleInstance running(dir.path());
    QCOMPARE(running.claim(), SingleInstance::Claim::Owner);
    QSignalSpy forward(&running, &SingleInstance::activationRequested);
    std::vector<int> flood;
    for (int i = 0; i < 5 * SingleInstance::kMaxConnections; ++i)
        flood.push_back(silentClient(SingleInstance::serverName(dir.path())));
    QVERIFY(std::all_of(flood.begin(), flood.end(), [](int fd) { return fd >= 0; }));
    QTRY_VERIFY(closedByTheProgram(flood[flood.size() - SingleInstance::kMaxConnections - 1]));
    const auto open = std::count_if(flood.begin(), flood.end(), [](int fd) { return !closedByTheProgram(fd); });
    QVERIFY2(open <= SingleInstance::kMaxConnections, qPrintable(QString::number(open)));

    SingleInstance second(dir.path());
    QCOMPARE(second.claim(), SingleInstance::Claim::Taken);
    QVERIFY(second.activateRunning());
    QCOMPARE(forward.size(), 1);
    for (int fd : flood)
        ::close(fd);
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
