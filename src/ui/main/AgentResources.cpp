#include "AgentResources.h"

#include <QtGlobal>

#include <mutex>

// At global scope on purpose: the registration function the resource compiler made is declared there.
static void registerPictures()
{
    Q_INIT_RESOURCE(WendoAgent);
}

void AgentResources::init()
{
    static std::once_flag s_registered;
    std::call_once(s_registered, registerPictures);
}
