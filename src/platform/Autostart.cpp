#include "Autostart.h"

Autostart::~Autostart() = default;
