#pragma once

class ErrorInfo;

// The "Internet connection" message box that tells of a service that could not be reached.
class ConnectionMessage
{
public:
    // Takes the kept error code and text: the code follows the message in round brackets.
    static void show(bool bQuorvane, ErrorInfo& errorInfo);
};
