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

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondStartBringsTheFirstForward();
    void lockOfAnEndedProgramIsTakenOver();
    void unansweredRequestIsReported();
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

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
