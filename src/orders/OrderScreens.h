#pragma once

// Adds the order screens to the demo tour.
void registerOrderScreens();
