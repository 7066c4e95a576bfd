#pragma once

#include "platform/HandoffWatch.h"

#include <QObject>
#include <QStringList>

#include <memory>

// What a hand-over to the desktop reported, as its caller hears it: the outcomes (one is right) from this
// object's event loop, and the late ends of a handler that had taken over.
class HandoffRecord : public QObject
{
public:
    struct Outcome {
        bool bHandedOver = false;
        QString sWhat;
    };

    HandoffWatch watch(int nHandOverMs)
    {
        HandoffWatch watch;
        watch.pContext = this;
        watch.nHandOverMs = nHandOverMs;
        watch.outcome = [this](bool bHandedOver, const QString& sWhat) {
            m_lstOutcomes.append({bHandedOver, sWhat});
        };
        // May come after this object is gone: kept apart from it.
        std::shared_ptr<QStringList> pLateEnds = m_pLateEnds;
        watch.lateEnd = [pLateEnds](const QString& sWhat) { pLateEnds->append(sWhat); };
        return watch;
    }

    QList<Outcome> m_lstOutcomes;
    std::shared_ptr<QStringList> m_pLateEnds = std::make_shared<QStringList>();
};
