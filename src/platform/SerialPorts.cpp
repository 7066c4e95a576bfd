#include "SerialPorts.h"

SerialPorts::~SerialPorts() = default;
