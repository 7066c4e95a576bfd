#include "ProcMapUpdateXml.h"

bool ProcMapUpdateXml::open(const QString& sPath)
{
    Q_UNUSED(sPath);
    return true;
}
