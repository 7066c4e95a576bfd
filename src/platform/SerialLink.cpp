#include "SerialLink.h"

SerialLink::~SerialLink() = default;
