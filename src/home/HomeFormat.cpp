#include "home/HomeFormat.h"

namespace HomeFormat {

QString yesterdayAmountText(qint64 dollars) {
    const float single = static_cast<float>(dollars);
    return QString::asprintf("%.2f", static_cast<double>(single));
}

QString countText(qint64 count) {
    return QString::number(count);
}

QString moneyText(double dollars) {
    return QString::asprintf("%.2f", dollars);
}

} // namespace HomeFormat
