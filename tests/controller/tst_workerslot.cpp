#include "controller/AccountActions.h"
#include "controller/DeviceJobs.h"
#include "controller/DeviceState.h"
#include "controller/ErrorInfo.h"
#include "controller/MapActions.h"
#include "controller/UpdateActions.h"
#include "controller/WorkerSlot.h"
#include "core/AgentSettings.h"
#include "support/FakeShareService.h"
#include "support/TestFolders.h"

#include <QPointer>
#include <QThread>
#include <QtTest>

// A worker as a slot sees one: a result signal, sent from its own thread when it runs.
class ProbeWorker : public QThread
{
    Q_OBJECT

public:
    explicit ProbeWorker(ACTION_STATUS status = SYNC_SUCCESS) : m_status(status) {}
    ~ProbeWorker() override { wait(); }

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

protected:
    void run() override { emit emitStatus(m_status, "from the thread"); }

private:
    ACTION_STATUS m_status;
};

// A held worker that notes its end.
class EndProbe : public QObject
{
    Q_OBJECT

public:
    EndProbe(QStringList* pEnded, const QString& sKind) : m_pEnded(pEnded), m_sKind(sKind) {}
    ~EndProbe() override { m_pEnded->append(m_sKind); }

signals:
    void emitStatus(ACTION_STATUS status, QString sResult);

private:
    QStringList* m_pEnded;
    QString m_sKind;
};

// Two kinds of worker in one family: SYNC_SUCCESS is the final row of the first, BACKUP_FAIL of the
// second. Every result the family passes on is recorded with its sender.
class ProbeFamily : public ActionFamily
{
public:
    ProbeFamily()
    {
        setResultSink([this](const QObject* pSender, ACTION_STATUS status, const QString&) {
            m_lstSeen.append(qMakePair(pSender, int(status)));
            Route route{status};
            handleResult(pSender, status, QString(), &route);
        });
    }

    bool handleResult(const QObject* pSender, ACTION_STATUS status, const QString&, Route*) override
    {
        if (status != SYNC_SUCCESS && status != BACKUP_FAIL)
            return false;
        (status == SYNC_SUCCESS ? m_first : m_second).release(pSender);
        return true;
    }

    WorkerSlot m_first{this, "first", WorkerSlot::EXIT_SYNC};
    WorkerSlot m_second{this, "second", WorkerSlot::EXIT_BACKUPRESTORE};
    QList<QPair<const QObject*, int>> m_lstSeen;
};

// The worker slots and the action families on their own, without the controller singleton.
class TestWorkerSlot : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startStopsTheHeldWorker();
    void finalResultReleasesItsSender();
    void resultOfOneWorkerNeverReleasesAnother();
    void directResultReleasesNothing();
    void lateResultOfStoppedWorkerDropped();
    void exitOrder();
    void accountDeviceListThroughItsSlot();
};

void TestWorkerSlot::initTestCase()
{
    Worker::registerMetaTypes();
}

void TestWorkerSlot::startStopsTheHeldWorker()
{
    ProbeFamily family;
    QPointer<ProbeWorker> pFirst = family.m_first.start(new ProbeWorker());
    QVERIFY(family.m_first.holds(pFirst));
    QPointer<ProbeWorker> pSecond = family.m_first.start(new ProbeWorker());
    QVERIFY(pFirst.isNull()); // deleted at once, not left running unseen
    QVERIFY(family.m_first.holds(pSecond));
    QVERIFY(family.isHeldWorker(pSecond));
    family.m_first.stop();
    QVERIFY(pSecond.isNull());
    QVERIFY(family.m_first.isEmpty());
    family.m_first.stop(); // nothing held: nothing happens
}

void TestWorkerSlot::finalResultReleasesItsSender()
{
    ProbeFamily family;
    ProbeWorker* pStarted = family.m_first.start(new ProbeWorker(SYNC_SUCCESS));
    QPointer<ProbeWorker> pWorker = pStarted;
    pWorker->start();
    QTRY_COMPARE_WITH_TIMEOUT(family.m_lstSeen.size(), 1, 10000);
    QCOMPARE(family.m_lstSeen.at(0).first, static_cast<const QObject*>(pStarted));
    QVERIFY(family.m_first.isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(pWorker.isNull(), 10000); // deleted later, never inside its own emission
}

void TestWorkerSlot::resultOfOneWorkerNeverReleasesAnother()
{
    ProbeFamily family;
    // The first kind's worker reports the second kind's final value: the second slot keeps its worker.
    QPointer<ProbeWorker> pFirst = family.m_first.start(new ProbeWorker(BACKUP_FAIL));
    QPointer<ProbeWorker> pSecond = family.m_second.start(new ProbeWorker());
    pFirst->start();
    QTRY_COMPARE_WITH_TIMEOUT(family.m_lstSeen.size(), 1, 10000);
    QVERIFY(family.m_second.holds(pSecond));
    QVERIFY(family.m_first.holds(pFirst));
}

void TestWorkerSlot::directResultReleasesNothing()
{
    ProbeFamily family;
    QPointer<ProbeWorker> pWorker = family.m_first.start(new ProbeWorker());
    ActionFamily::Route route{SYNC_SUCCESS};
    QVERIFY(family.handleResult(nullptr, SYNC_SUCCESS, QString(), &route));
    QVERIFY(family.m_first.holds(pWorker));
}

void TestWorkerSlot::lateResultOfStoppedWorkerDropped()
{
    ProbeFamily family;
    ProbeWorker* pStopped = family.m_first.start(new ProbeWorker(SYNC_SUCCESS));
    pStopped->start();
    QVERIFY(pStopped->wait(10000)); // its result waits in the queue
    QPointer<ProbeWorker> pNext = family.m_first.start(new ProbeWorker());
    QCoreApplication::sendPostedEvents(); // the late result is delivered now
    QVERIFY(family.m_lstSeen.isEmpty());
    QVERIFY(family.m_first.holds(pNext)); // the late result did not release the new worker
}

// At exit every held worker of every family is deleted, the backup first (it may be writing the device)
// and the automatic check last, whatever order the families come in; no slot holds a worker afterwards.
void TestWorkerSlot::exitOrder()
{
    ErrorInfo errorInfo;
    DeviceState device(false);
    AccountActions account;
    DeviceJobs jobs(device);
    UpdateActions updates(device, errorInfo);
    MapActions maps(false, device, errorInfo);
    const QList<ActionFamily*> families{&maps, &updates, &jobs, &account};
    QStringList ended;
    for (const ActionFamily* pFamily : families) {
        for (WorkerSlot* pSlot : pFamily->workerSlots())
            pSlot->start(new EndProbe(&ended, QString::fromLatin1(pSlot->kind())));
    }
    for (WorkerSlot* pSlot : WorkerSlot::inExitOrder(families))
        pSlot->stop();
    QCOMPARE(ended, QStringList({"backup and restore", "sync", "map update", "map page", "map lists",
                                 "account device list", "device update", "Korvo update"}));
    for (const ActionFamily* pFamily : families) {
        for (const WorkerSlot* pSlot : pFamily->workerSlots())
            QVERIFY2(pSlot->isEmpty(), pSlot->kind());
    }
}

void TestWorkerSlot::accountDeviceListThroughItsSlot()
{
    TestFolders folders;
    TestHttpServer server;
    QVERIFY(server.start());
    FakeShareService service(server);
    AgentSettings().setValue("URL", "WebApi", service.serviceUrl());
    service.setAnswer("getDeviceList", FakeShareService::RETURN, R"([{"UUID":"U1"},{"UUID":"U2"}])");

    AccountActions account;
    QList<int> seen;
    account.setResultSink([&](const QObject* pSender, ACTION_STATUS status, const QString& sResult) {
        seen << int(status);
        QVERIFY(account.isHeldWorker(pSender));
        ActionFamily::Route route{status};
        QVERIFY(account.handleResult(pSender, status, sResult, &route));
    });
    account.enumRegDevs(R"({"session":"S","user":"u@x.org"})");
    QVERIFY(!account.workerSlots().at(0)->isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(seen, QList<int>({ENUMDEV_SUCCESS}), 10000);
    QCOMPARE(account.regDevList().size(), 2);
    QCOMPARE(account.regDevList().at(1).sUUID, QString("U2"));
    QVERIFY(account.workerSlots().at(0)->isEmpty());
    QCOMPARE(service.lastCall().params.value("CustomerEMail"), QString("u@x.org"));
}

QTEST_GUILESS_MAIN(TestWorkerSlot)
#include "tst_workerslot.moc"
