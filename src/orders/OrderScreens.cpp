#include "orders/OrderScreens.h"

#include "app/KQSRootVC.h"
#include "app/Tour.h"
#include "orders/KQCloseOrderVC.h"
#include "orders/KQDetailOrderVC.h"
#include "orders/KQLogistyMsgVC.h"
#include "orders/KQSOrderVC.h"
#include "orders/KQSendGoodsVC.h"
#include "platform/NavigationStack.h"

namespace {

// The demo service cycles its orders through the statuses: 100001 awaits payment, 100002 is
// paid, 100003 shipped, 100004 received and 100007 closed.
const QString kAwaitingPayment = QStringLiteral("100001");
const QString kPaid = QStringLiteral("100002");
const QString kShipped = QStringLiteral("100003");
const QString kReceived = QStringLiteral("100004");
const QString kClosed = QStringLiteral("100007");

template <class S> S* topScreen() {
    KQSRootVC* root = Tour::root();
    NavigationStack* stack = root ? root->currentStack() : nullptr;
    return stack ? qobject_cast<S*>(stack->top()) : nullptr;
}

void addDetail(const QString& name, const QString& orderId) {
    Tour::add({name, [orderId] { Tour::push(new KQDetailOrderVC(orderId)); }});
}

} // namespace

Screen* OrderScreens::orderDetail(const QString& orderId) {
    return new KQDetailOrderVC(orderId);
}

void registerOrderScreens() {
    Tour::add({QStringLiteral("orders-list"), [] { Tour::push(new KQSOrderVC(0)); }});
    Tour::add({QStringLiteral("orders-list-waitsend"), [] { Tour::push(new KQSOrderVC(2)); }});
    addDetail(QStringLiteral("orders-detail-payment"), kAwaitingPayment);
    Tour::add({QStringLiteral("orders-close"),
               [] {
                   if (auto* detail = topScreen<KQDetailOrderVC>()) {
                       detail->orderColseBtnClick(nullptr);
                   }
               },
               true});
    addDetail(QStringLiteral("orders-detail-paid"), kPaid);
    Tour::add({QStringLiteral("orders-ship"),
               [] {
                   if (auto* detail = topScreen<KQDetailOrderVC>()) {
                       detail->orderGotoBtnClick(nullptr);
                   }
               },
               true});
    Tour::add({QStringLiteral("orders-choose-express"),
               [] {
                   if (auto* ship = topScreen<KQSendGoodsVC>()) {
                       ship->chooseCompany();
                   }
               },
               true});
    addDetail(QStringLiteral("orders-detail-shipped"), kShipped);
    Tour::add({QStringLiteral("orders-tracking"), [] { Tour::push(new KQLogistyMsgVC(kShipped)); },
               true});
    addDetail(QStringLiteral("orders-detail-received"), kReceived);
    addDetail(QStringLiteral("orders-detail-closed"), kClosed);
}
