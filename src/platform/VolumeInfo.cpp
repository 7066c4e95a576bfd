#include "VolumeInfo.h"

VolumeInfo::~VolumeInfo() = default;
