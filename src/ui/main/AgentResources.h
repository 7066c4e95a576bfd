#pragma once

// The compiled-in pictures live in a static library, whose resource registration the linker would drop
// unless something calls it: every window calls init() before it loads a picture.
class AgentResources
{
public:
    static void init();
};
