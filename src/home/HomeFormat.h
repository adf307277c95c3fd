#pragma once

#include <QString>
#include <QtGlobal>

// The dashboard's figure texts.
namespace HomeFormat {
// Yesterday's income in whole dollars, shown with two decimals after a trip through single
// precision, as the figures have always been shown: 2^24 + 1 reads 16777216.00.
QString yesterdayAmountText(qint64 dollars);
QString countText(qint64 count);
QString moneyText(double dollars);
} // namespace HomeFormat
