#include "HandoffWatch.h"

void HandoffWatch::reportOutcome(bool bHandedOver, const QString& sWhat) const
{
    if (!pContext || !outcome)
        return;
    const auto deliver = outcome;
    QMetaObject::invokeMethod(
        pContext, [deliver, bHandedOver, sWhat] { deliver(bHandedOver, sWhat); }, Qt::QueuedConnection);
}

void HandoffWatch::reportLateEnd(const QString& sWhat) const
{
    if (lateEnd)
        lateEnd(sWhat);
}
