#pragma once

#include <QString>
#include <QStringList>

// The order status vocabulary and its three tables, the tab filters, and the money and time
// texts of the order screens.
namespace OrderStatus {

// The list's status label ("已付款"); empty outside the vocabulary.
QString listLabel(const QString& status);
// The detail's status label ("付款完成"); empty outside the vocabulary.
QString detailLabel(const QString& status);
// The detail's status panel: 0 to 5 (4 is never produced); 0 outside the vocabulary.
int panel(const QString& status);

// The footer actions of the list.
enum class FooterAction { None, SendGoods, CheckLogistics };
FooterAction footerAction(const QString& status);

// The seven tabs of the list and the filter each sends.
QStringList tabTitles();
QStringList tabFilters();
// The filter of tab page; the empty filter outside 0 to 6.
QString filterForTab(int page);

} // namespace OrderStatus

namespace OrderTexts {

// "US$12.50"
QString dollars(double amount);
// A millisecond time stamp as local date-time text; empty text when there is no time at all
// (empty, zero or not a number), so a missing time never reads as the start of 1970.
QString timeText(const QString& milliseconds);
// Seconds from now to the millisecond deadline, truncated toward zero; a missing deadline
// reads as 0, so it has passed.
int remainingSeconds(const QString& deadlineMs);
// The variant values of "颜色=红,尺码=XL": "红,XL".
QString specValues(const QString& specKey);

} // namespace OrderTexts
