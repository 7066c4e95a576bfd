#include "Autostart.h"

#include "LinuxAutostart.h"

#include <atomic>

namespace
{
std::atomic<Autostart*> g_pAutostart{nullptr};
} // namespace

Autostart::~Autostart() = default;

Autostart* Autostart::instance()
{
    static LinuxAutostart s_xdgEntry;
    Autostart* pAutostart = g_pAutostart;
    return pAutostart ? pAutostart : &s_xdgEntry;
}

void Autostart::setInstance(Autostart* pAutostart)
{
    g_pAutostart = pAutostart;
}
