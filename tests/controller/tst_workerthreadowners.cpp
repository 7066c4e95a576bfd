#include "net/WorkerThread.h"
#include "sync/SyncWorker.h"
#include "update/DeviceUpdateWorker.h"
#include "update/KorvoUpdateWorker.h"
#include "update/MapFreeUpdateWorker.h"

#include <QMetaObject>
#include <QtTest>

// An owner with the download progress slot misspelt: what the check must catch.
class MisspeltOwner : public QObject
{
    Q_OBJECT

public slots:
    void netFinish(bool) {}
    void slotDownloadProgress(qint64, qint64) {}
};

namespace
{

// Every class that makes a WorkerThread with itself as the owner, by name.
const QMetaObject* ownerClass(const QString& sName)
{
    if (sName == "SyncWorker")
        return &SyncWorker::staticMetaObject;
    if (sName == "DeviceUpdateWorker")
        return &DeviceUpdateWorker::staticMetaObject;
    if (sName == "KorvoUpdateWorker")
        return &KorvoUpdateWorker::staticMetaObject;
    if (sName == "MapFreeUpdateWorker")
        return &MapFreeUpdateWorker::staticMetaObject;
    if (sName == "MisspeltOwner")
        return &MisspeltOwner::staticMetaObject;
    return nullptr;
}

QList<QByteArray> missingSlots(const QMetaObject* pClass, WorkerThread::MODE eMode)
{
    QList<QByteArray> missing;
    for (const QByteArray& slot : WorkerThread::ownerSlots(eMode)) {
        if (pClass->indexOfSlot(slot.constData()) < 0)
            missing.append(slot);
    }
    return missing;
}

} // namespace

class TestWorkerThreadOwners : public QObject
{
    Q_OBJECT

private slots:
    void signaturesAreNormalized_data();
    void signaturesAreNormalized();
    void ownerHasTheSlots_data();
    void ownerHasTheSlots();
    void misspeltSlotIsFound();
};

void TestWorkerThreadOwners::signaturesAreNormalized_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("request") << int(WorkerThread::MODE_REQUEST);
    QTest::newRow("download") << int(WorkerThread::MODE_DOWNLOAD);
    QTest::newRow("unzip") << int(WorkerThread::MODE_UNZIP);
}

void TestWorkerThreadOwners::signaturesAreNormalized()
{
    QFETCH(int, mode);
    const QList<QByteArray> lstSlots = WorkerThread::ownerSlots(WorkerThread::MODE(mode));
    QVERIFY(!lstSlots.isEmpty());
    for (const QByteArray& slot : lstSlots)
        QCOMPARE(QMetaObject::normalizedSignature(slot.constData()), slot);
}

// One row per owner class and job kind it starts.
void TestWorkerThreadOwners::ownerHasTheSlots_data()
{
    QTest::addColumn<QString>("owner");
    QTest::addColumn<int>("mode");
    QTest::newRow("SyncWorker, check and upload requests") << "SyncWorker" << int(WorkerThread::MODE_REQUEST);
    QTest::newRow("SyncWorker, ride download") << "SyncWorker" << int(WorkerThread::MODE_DOWNLOAD);
    QTest::newRow("DeviceUpdateWorker, check") << "DeviceUpdateWorker" << int(WorkerThread::MODE_REQUEST);
    QTest::newRow("DeviceUpdateWorker, packages") << "DeviceUpdateWorker" << int(WorkerThread::MODE_DOWNLOAD);
    QTest::newRow("DeviceUpdateWorker, agent unpack")
        << "DeviceUpdateWorker" << int(WorkerThread::MODE_UNZIP);
    QTest::newRow("KorvoUpdateWorker, checks") << "KorvoUpdateWorker" << int(WorkerThread::MODE_REQUEST);
    QTest::newRow("KorvoUpdateWorker, country file")
        << "KorvoUpdateWorker" << int(WorkerThread::MODE_DOWNLOAD);
    QTest::newRow("MapFreeUpdateWorker, country file")
        << "MapFreeUpdateWorker" << int(WorkerThread::MODE_DOWNLOAD);
}

void TestWorkerThreadOwners::ownerHasTheSlots()
{
    QFETCH(QString, owner);
    QFETCH(int, mode);
    const QMetaObject* pClass = ownerClass(owner);
    QVERIFY(pClass);
    QCOMPARE(missingSlots(pClass, WorkerThread::MODE(mode)), QList<QByteArray>());
}

void TestWorkerThreadOwners::misspeltSlotIsFound()
{
    const QMetaObject* pClass = ownerClass("MisspeltOwner");
    QCOMPARE(missingSlots(pClass, WorkerThread::MODE_REQUEST), QList<QByteArray>());
    QCOMPARE(missingSlots(pClass, WorkerThread::MODE_DOWNLOAD),
             QList<QByteArray>({"slotDownloadProcess(qint64,qint64)"}));
}

QTEST_GUILESS_MAIN(TestWorkerThreadOwners)
#include "tst_workerthreadowners.moc"
