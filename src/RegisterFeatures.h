#pragma once

// Every subsystem registers its screens (first screens of the tabs and dashboard tiles by class
// name) and its tour steps here, one call each.
void registerFeatures();
