#include "FakeUrlLauncher.h"

void FakeUrlLauncher::open(const QString& sAddress, const HandoffWatch& watch)
{
    m_lstUrls.append(QUrl(sAddress, QUrl::StrictMode));
    watch.reportOutcome(m_sFailure.isEmpty(),
                        m_sFailure.isEmpty() ? "taken by the fake browser" : m_sFailure);
}
