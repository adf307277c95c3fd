#pragma once

// Registers the dashboard and the message centre as the first screens of their tabs, and the
// home subsystem's steps of the demo tour.
void registerHomeScreens();
