#include "orders/OrderStatus.h"

#include "platform/Clock.h"
#include "ui/Timestamp_Time.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace OrderStatus {

namespace {
struct Row {
    const char* listLabel;
    const char* detailLabel;
    int panel;
    FooterAction action;
};

const QHash<QString, Row>& table() {
    static const QHash<QString, Row> rows{
        {"payment", {"付款中", "付款中", 0, FooterAction::None}},
        {"payment-done", {"已付款", "付款完成", 1, FooterAction::SendGoods}},
        {"deliver", {"已发货", "已发货", 2, FooterAction::CheckLogistics}},
        {"receive", {"已收货", "已收货", 3, FooterAction::None}},
        {"balance", {"已结算", "已结算", 3, FooterAction::None}},
        {"comment", {"已评价", "已评价", 3, FooterAction::None}},
        {"closed", {"已关闭", "已关闭", 5, FooterAction::None}},
    };
    return rows;
}
} // namespace

QString listLabel(const QString& status) {
    const auto it = table().constFind(status);
    return it == table().constEnd() ? QString() : QString::fromUtf8(it->listLabel);
}

QString detailLabel(const QString& status) {
    const auto it = table().constFind(status);
    return it == table().constEnd() ? QString() : QString::fromUtf8(it->detailLabel);
}

int panel(const QString& status) {
    const auto it = table().constFind(status);
    return it == table().constEnd() ? 0 : it->panel;
}

FooterAction footerAction(const QString& status) {
    const auto it = table().constFind(status);
    return it == table().constEnd() ? FooterAction::None : it->action;
}

QStringList tabTitles() {
    return {"全部", "待付款", "待发货", "已发货", "待评价", "交易成功", "交易关闭"};
}

QStringList tabFilters() {
    return {"", "waitPay", "waitSend", "waitConfirm", "waitRate", "succeed", "close"};
}

QString filterForTab(int page) {
    const QStringList filters = tabFilters();
    return page >= 0 && page < filters.size() ? filters.at(page) : QString();
}

} // namespace OrderStatus

namespace OrderTexts {

QString dollars(double amount) {
    return QStringLiteral("US$%1").arg(amount, 0, 'f', 2);
}

QString timeText(const QString& milliseconds) {
    bool ok = false;
    const qint64 ms = milliseconds.trimmed().toLongLong(&ok);
    if (!ok || ms == 0) {
        return QString();
    }
    return Timestamp_Time::timestampConversionTimeWithTimeStr(double(ms));
}

int remainingSeconds(const QString& deadlineMs) {
    const qint64 deadline = deadlineMs.trimmed().toLongLong();
    const double left = double(deadline) / 1000.0 - double(Clock::nowMs() / 1000);
    const double truncated = std::trunc(left);
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return int(std::clamp(truncated, lowest, highest));
}

QString specValues(const QString& specKey) {
    if (specKey.isEmpty()) {
        return QString();
    }
    QStringList values;
    for (const QString& part : specKey.split(QLatin1Char(','))) {
        values.append(part.mid(part.lastIndexOf(QLatin1Char('=')) + 1));
    }
    return values.join(QLatin1Char(','));
}

} // namespace OrderTexts
