#pragma once

#include <QString>

// The names of the order notifications (no object).
namespace OrderNotifications {
// An order was closed or shipped: order lists reload from their first page.
inline QString sendGoods() {
    return QStringLiteral("notificationOrderSendGoods");
}
// An order's payment count-down ran out: the detail fetches the order again.
inline QString paymentTimeOver() {
    return QStringLiteral("notificationPaymentTimeOver");
}
} // namespace OrderNotifications
