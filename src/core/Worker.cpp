#include "Worker.h"

#include "ActionStatus.h"

#include <QProcess>

void Worker::registerMetaTypes()
{
    // Queued signals look their argument types up by the exact names written in the signatures.
    qRegisterMetaType<Worker::WORK_STATUS>("Worker::WORK_STATUS");
    qRegisterMetaType<Worker::DEVINFO>("Worker::DEVINFO");
    qRegisterMetaType<Worker::DEVINFOEX>("Worker::DEVINFOEX");
    qRegisterMetaType<ACTION_STATUS>("ACTION_STATUS");
    qRegisterMetaType<ACTION_STATUS>("action_status");
    qRegisterMetaType<QProcess::ExitStatus>("QProcess::ExitStatus");
    qRegisterMetaType<QProcess::ExitStatus>("qprocess_exitstatus");
}
