#pragma once

#include "ui/Widgets.h"

// The order screens build their labels, blocks and bottom buttons with the shared builders.
namespace OrderWidgets = Widgets;
