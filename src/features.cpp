#include "features.h"

void registerFeatures() {}
