#include "orders/KQActivistFooter.h"

#include "orders/OrderStatus.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kSideMargin = 22;
constexpr int kTop = 13;
constexpr int kActionWidth = 77;
constexpr int kItemHeight = 27;
constexpr int kTotalWidth = 200;
} // namespace

KQActivistFooter::KQActivistFooter(QWidget* parent) : QWidget(parent), white_(new QWidget(this)) {
    setObjectName(QStringLiteral("activistFooter"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("KQActivistFooter { background: %1; }")
                      .arg(Style::rgbText(Style::hairline())));
    white_->setAttribute(Qt::WA_StyledBackground);
    white_->setStyleSheet(QStringLiteral("background: white;"));
    white_->setGeometry(0, 0, 375, kHeight);
    resize(375, kHeight);
}

QPushButton* KQActivistFooter::addAction(const QString& text, int actionTag, const QString& name) {
    auto* action = new QPushButton(text, white_);
    action->setObjectName(name);
    action->setFont(Style::systemFont(13));
    action->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: 1px solid %1;"
                                         " background: white; }")
                              .arg(Style::rgbText(Style::selectedRed())));
    action->setGeometry(kSideMargin, kTop, kActionWidth, kItemHeight);
    connect(action, &QPushButton::clicked, this, [this, actionTag] {
        if (delegate) {
            delegate->activistFooterWithFooter(this, actionTag);
        }
    });
    action->show();
    return action;
}

void KQActivistFooter::addSendGood() {
    addAction(QStringLiteral("去发货"), kSendGoodTag, QStringLiteral("sendGoodBtn"));
}

void KQActivistFooter::addCheckLogistics() {
    addAction(QStringLiteral("查看物流"), kCheckLogisticsTag, QStringLiteral("checkLogisticsBtn"));
}

void KQActivistFooter::addAllPrice(double amount) {
    delete total_;
    auto* total =
        new QLabel(QStringLiteral("合计(含运费): %1").arg(OrderTexts::dollars(amount)), white_);
    total->setObjectName(QStringLiteral("allPriceLabel"));
    total->setFont(Style::systemFont(13));
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    total->setStyleSheet(QStringLiteral("color: %1;").arg(Style::rgbText(Style::selectedRed())));
    total->setGeometry(width() - kSideMargin - kTotalWidth, kTop, kTotalWidth, kItemHeight);
    total->show();
    total_ = total;
}

void KQActivistFooter::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    white_->setGeometry(rect());
    if (total_) {
        total_->move(width() - kSideMargin - kTotalWidth, kTop);
    }
}
