#pragma once

#include <QString>

class Screen;

// Adds the order screens to the demo tour.
void registerOrderScreens();

// The order screens other subsystems open.
namespace OrderScreens {
// "订单详情" of one order, to be pushed.
Screen* orderDetail(const QString& orderId);
} // namespace OrderScreens
