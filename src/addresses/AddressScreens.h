#pragma once

// What other subsystems use of the address subsystem: the region list with its lookups
// (KQAddressManager, RegionList) and the region picker. The address library itself opens by
// its class name "KQSLogisticsVC".
#include "addresses/KQAddressManager.h"
#include "addresses/RegionPicker.h"

// Registers the address library by class name and the subsystem's steps of the demo tour.
void registerAddressScreens();
