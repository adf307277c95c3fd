#pragma once

// Registers every subsystem's screens (first screens of the tabs by class name) and its tour
// steps. Each subsystem adds one call here.
void registerFeatures();
