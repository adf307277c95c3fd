#include "goods/KQSGoodsManagerToolBar.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QPushButton>

namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 66;
constexpr QSize kIconSize{20, 20};

QIcon selectIcon() {
    QIcon icon;
    icon.addPixmap(Assets::image(QStringLiteral("GoodsManager_weixuanze"), kIconSize),
                   QIcon::Normal, QIcon::Off);
    icon.addPixmap(Assets::image(QStringLiteral("GoodsManager_xuanze"), kIconSize), QIcon::Normal,
                   QIcon::On);
    return icon;
}

} // namespace

KQSGoodsManagerToolBar::KQSGoodsManagerToolBar(QWidget* parent)
    : QWidget(parent), allSelectBtn(makeButton(AllSelect, QStringLiteral("全选"), QString())),
      tBtn(makeButton(Sync, QStringLiteral("同步"), QStringLiteral("GoodsManager_face"))),
      sBtn(makeButton(OnOffSale, QString(), QString())),
      deleteBtn(makeButton(Delete, QStringLiteral("删除"), QStringLiteral("GoodsManager_shanchu"))),
      separator_(new QWidget(this)) {
    setObjectName(QStringLiteral("toolBar"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("KQSGoodsManagerToolBar { background: white; }"));
    separator_->setAttribute(Qt::WA_StyledBackground);
    separator_->setStyleSheet(
        QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
    allSelectBtn->setObjectName(QStringLiteral("allSelectBtn"));
    allSelectBtn->setCheckable(true);
    allSelectBtn->setIcon(selectIcon());
    tBtn->setObjectName(QStringLiteral("tBtn"));
    sBtn->setObjectName(QStringLiteral("sBtn"));
    deleteBtn->setObjectName(QStringLiteral("deleteBtn"));
    setIsFalg(true);
    resize(375, kHeight);
}

QPushButton* KQSGoodsManagerToolBar::makeButton(int tag, const QString& title,
                                                const QString& image) {
    auto* button = new QPushButton(title, this);
    button->setProperty("tag", tag);
    button->setFont(Style::systemFont(13));
    button->setIconSize(kIconSize);
    button->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; color: %1; }")
            .arg(Style::rgbText(Style::darkText())));
    if (!image.isEmpty()) {
        button->setIcon(Assets::icon(image));
    }
    connect(button, &QPushButton::clicked, this, [this, button] { touched(button); });
    return button;
}

void KQSGoodsManagerToolBar::setIsFalg(bool isFalg) {
    isFalg_ = isFalg;
    sBtn->setText(isFalg ? QStringLiteral("下架") : QStringLiteral("上架"));
    sBtn->setIcon(Assets::icon(isFalg ? QStringLiteral("GoodsManager_xiajia")
                                      : QStringLiteral("GoodsManager_shangjia")));
}

void KQSGoodsManagerToolBar::setActionsShown(bool shown) {
    tBtn->setVisible(shown);
    sBtn->setVisible(shown);
}

void KQSGoodsManagerToolBar::touched(QPushButton* button) {
    if (delegate) {
        delegate->goodsManagerToolBar(this, button, button->property("tag").toInt());
    }
}

void KQSGoodsManagerToolBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeButtons();
}

void KQSGoodsManagerToolBar::placeButtons() {
    separator_->setGeometry(0, 0, width(), 1);
    allSelectBtn->setGeometry(kMargin, 1, kButtonWidth, kHeight - 1);
    int right = width() - kMargin;
    for (QPushButton* button : {deleteBtn, sBtn, tBtn}) {
        right -= kButtonWidth;
        button->setGeometry(right, 1, kButtonWidth, kHeight - 1);
    }
}
