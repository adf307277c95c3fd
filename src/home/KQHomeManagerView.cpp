#include "home/KQHomeManagerView.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QLabel>
#include <QtMath>

namespace {
constexpr QSize kIconSize{36, 36};

QLabel* label(QWidget* parent, const QString& objectName, int points, const QColor& color) {
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    l->setFont(Style::systemFont(points));
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    // Inside a button a label would take the button's text role.
    l->setForegroundRole(QPalette::WindowText);
    return l;
}

void fill(QWidget* widget, const QColor& color) {
    widget->setAutoFillBackground(true);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    widget->setPalette(p);
}
} // namespace

KQManagerBtn::KQManagerBtn(const QString& icon, const QString& title, const QString& detail,
                           QWidget* parent)
    : QPushButton(parent), iconImageV(new QLabel(this)),
      titleL(label(this, QStringLiteral("titleL"), 15, Style::darkText())),
      detailL(label(this, QStringLiteral("detailL"), 10, Style::greyText())) {
    fill(this, Qt::white);
    iconImageV->setObjectName(QStringLiteral("iconImageV"));
    iconImageV->setAttribute(Qt::WA_TransparentForMouseEvents);
    iconImageV->setPixmap(Assets::image(icon, kIconSize));
    titleL->setText(title);
    detailL->setText(detail);
    setAccessibleName(title);
    setAccessibleDescription(detail);
}

void KQManagerBtn::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    const int iconX = width() * 20 / 187;
    iconImageV->setGeometry(iconX, (height() - kIconSize.height()) / 2, kIconSize.width(),
                            kIconSize.height());
    const int textX = iconX + kIconSize.width() + 12;
    titleL->setGeometry(textX, 18, width() - textX - 4, 21);
    detailL->setGeometry(textX, 43, width() - textX - 4, 14);
}

void KQManagerBtn::paintEvent(QPaintEvent*) {}

const QList<KQHomeManagerView::Tile>& KQHomeManagerView::tiles() {
    static const QList<Tile> list{
        {"home_liwu", "商品管理", "商品列表及批量处理", "KQSGoodsVC"},
        {"home_wendang", "订单管理", "随时管理和处理订单", "KQSOrderVC"},
        {"home_jinbi5", "资金管理", "资金管理和交易明细", "KQSMoneyVC"},
        {"home_huoche", "物流管理", "地址库管理", "KQSLogisticsVC"},
        {"home_shuju", "数据统计", "访客,订单和营收统计", "KQSDataStatisticsVC"},
        {"home_wait", "敬请期待", "新功能还在开发中", QString()}};
    return list;
}

KQHomeManagerView::KQHomeManagerView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("managerView"));
    const QList<Tile>& all = tiles();
    for (int i = 0; i < all.size(); ++i) {
        auto* button = new KQManagerBtn(all[i].icon, all[i].title, all[i].detail, this);
        button->setObjectName(QStringLiteral("managerBtn%1").arg(i));
        button->setProperty("tag", 200 + i);
        if (!all[i].screenClass.isEmpty()) {
            connect(button, &QPushButton::clicked, this, [this, i] {
                if (managerBtnBlock) {
                    managerBtnBlock(i);
                }
            });
        } else {
            button->setFocusPolicy(Qt::NoFocus);
        }
        buttons_.append(button);
    }
    resize(parent ? parent->width() : 375, kHeight);
}

void KQHomeManagerView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const double w = (width() - 0.5) / 2;
    for (int i = 0; i < buttons_.size(); ++i) {
        // Whole pixels that keep a visible hairline between neighbours.
        const double left = (w + 0.5) * (i % 2);
        const double top = 75.5 * (i / 2);
        const int x = qCeil(left);
        const int y = qCeil(top);
        buttons_[i]->setGeometry(x, y, qFloor(left + w) - x, qFloor(top + kTileHeight) - y);
    }
}
