#pragma once

#include "platform/Platform.h"
#include "support/FakeUrlLauncher.h"

// Collects the addresses handed to the desktop's browser for as long as it lives (none reaches a real
// browser), every one taken as opened unless setFailure says otherwise.
class UrlCatcher : public FakeUrlLauncher
{
public:
    UrlCatcher() { m_platform.setUrlLauncher(this); }

private:
    PlatformOverride m_platform;
};
