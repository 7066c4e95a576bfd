#include "ConnectionFailure.h"

#include <QObject>

QString ConnectionFailure::title()
{
    return QObject::tr("Internet connection");
}

QString ConnectionFailure::text(bool bQuorvane)
{
    return bQuorvane
               ? QObject::tr(
                     "Failed to connect to the QuorvaneShare Server. Please check your internet connection.")
               : QObject::tr(
                     "Failed to connect to the ZeqShare Server. Please check your internet connection.");
}
