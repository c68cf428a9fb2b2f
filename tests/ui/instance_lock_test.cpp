// The single-instance lock: held only by a running holder, whatever a left lock file says.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "qt/InstanceLock.h"

using felux::InstanceLock;

class InstanceLockTest : public QObject {
    Q_OBJECT

private slots:
    void OnlyALiveHolderKeepsOthersOut() {
        QTemporaryDir folder;
        const QString path = folder.path() + QStringLiteral("/KR300&K200&FELUX&B_KLNQAPP.lock");
        // A file left behind naming a process that runs but is not ours (pid 1) holds nothing.
        QFile left(path);
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write("1\nfelux\nother-host\n");
        left.close();
        auto first = std::make_unique<InstanceLock>();
        QCOMPARE(first->TryAcquire(folder.path()), InstanceLock::Result::Taken);
        InstanceLock second;
        QCOMPARE(second.TryAcquire(folder.path()), InstanceLock::Result::HeldByAnother);
        first.reset();  // as when the holder ends, even by kill -9
        QCOMPARE(second.TryAcquire(folder.path()), InstanceLock::Result::Taken);
    }

    void ALinkInPlaceOfTheLockIsNotFollowed() {
        QTemporaryDir folder;
        const QString target = folder.path() + QStringLiteral("/elsewhere");
        QVERIFY(QFile::link(target, folder.path() + QStringLiteral("/KR300&K200&FELUX&B_KLNQAPP.lock")));
        InstanceLock lock;
        QCOMPARE(lock.TryAcquire(folder.path()), InstanceLock::Result::CannotLock);
        QVERIFY(!QFile::exists(target));
        QCOMPARE(lock.TryAcquire(folder.path() + QStringLiteral("/missing")), InstanceLock::Result::CannotLock);
    }
};

QTEST_APPLESS_MAIN(InstanceLockTest)
#include "instance_lock_test.moc"
