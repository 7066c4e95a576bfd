#pragma once

#include <QString>
#include <QStringList>

// The fixed SOAP 1.1 envelopes of the sharing service, one line each, and the one way to fill them:
// every value is XML-escaped and substituted in one pass. Plain values give the service's exact bytes.
class SoapEnvelopes
{
public:
    // The operation's template with its placeholders; sign-in numbers from %2, the others from %1.
    static QString loginTemplate();
    static QString checkDeviceRegTemplate();
    static QString registerDeviceTemplate();
    static QString deregisterDeviceTemplate();
    static QString getCustomerSettingTemplate();
    static QString setCustomerSettingTemplate();
    static QString getDeviceListTemplate();

    // An envelope for sOperation whose parameters are the given element names, numbered %1, %2, ...
    static QString makeTemplate(const QString& sOperation, const QStringList& parameters);
    // Fills %1..%n with the XML-escaped values.
    static QString fill(const QString& sTemplate, const QStringList& values);

    static QString login(const QString& sUser, const QString& sPassword);
    // The sharing service's default address for the brand chosen by "Quorvane.bin" in the data folder.
    static QString defaultServiceAddress();
    // Settings URL "WebApi", or the default address.
    static QString serviceAddress();
};
