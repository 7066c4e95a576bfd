#pragma once

#include <QString>

// The one wording of "the sharing service could not be reached", for every place that tells the user:
// the workers, the controller and the main window show the same title and text. Both are translated in
// the QObject context the translations keep them under.
class ConnectionFailure
{
public:
    static QString title();
    // The second brand names its own service.
    static QString text(bool bQuorvane);
};
