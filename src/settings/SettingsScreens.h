#pragma once

// Registers the personal centre as the first screen of the "个人" tab, and the shop settings'
// steps of the demo tour.
void registerSettingsScreens();
