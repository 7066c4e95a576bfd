#include "TrayIcon.h"

#include "QtTrayIcon.h"

namespace
{
TrayIcon::Factory& factory()
{
    static TrayIcon::Factory s_factory;
    return s_factory;
}
} // namespace

TrayIcon* TrayIcon::create(QObject* pParent)
{
    if (factory())
        return factory()(pParent);
    return new QtTrayIcon(pParent);
}

void TrayIcon::setFactory(Factory newFactory)
{
    factory() = std::move(newFactory);
}
