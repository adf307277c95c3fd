#include "home/KQHomeDataView.h"

#include "home/HomeFormat.h"
#include "ui/Style.h"

#include <QLabel>
#include <QPainter>

namespace {
void colour(QLabel* label, const QColor& color) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    // Inside a button a label would take the button's text role.
    label->setForegroundRole(QPalette::WindowText);
}

QLabel* centredLabel(QWidget* parent, int points, const QColor& color) {
    auto* label = new QLabel(parent);
    label->setFont(Style::systemFont(points));
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    colour(label, color);
    return label;
}

const QColor kOrange(255, 128, 26);
} // namespace

KQIncomeView::KQIncomeView(QWidget* parent)
    : QPushButton(parent), titleL(centredLabel(this, 12, Style::greyText())),
      priceL(centredLabel(this, 30, Style::darkText())) {
    setObjectName(QStringLiteral("incomeView"));
    setFlat(true);
    titleL->setObjectName(QStringLiteral("titleL"));
    titleL->setText(QStringLiteral("累计收入(美元)"));
    priceL->setObjectName(QStringLiteral("priceL"));
    setAccessibleName(titleL->text());
}

void KQIncomeView::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    titleL->setGeometry(0, 0, width(), 17);
    priceL->setGeometry(0, 17, width(), height() - 17);
}

void KQIncomeView::paintEvent(QPaintEvent*) {}

KQBtnView::KQBtnView(const QString& title, QWidget* parent)
    : QPushButton(parent), titleL(centredLabel(this, 12, Style::greyText())),
      countL(centredLabel(this, 20, Style::darkText())) {
    setFlat(true);
    titleL->setObjectName(QStringLiteral("titleL"));
    titleL->setText(title);
    countL->setObjectName(QStringLiteral("countL"));
    setAccessibleName(title);
}

void KQBtnView::setCount(const QString& count) {
    countL->setText(count);
    setAccessibleDescription(count);
}

void KQBtnView::setTextColor(const QColor& color) {
    colour(titleL, color);
    colour(countL, color);
}

void KQBtnView::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    titleL->setGeometry(0, 18, width(), 17);
    countL->setGeometry(0, 40, width(), 26);
}

void KQBtnView::paintEvent(QPaintEvent*) {}

KQHomeDataView::KQHomeDataView(QWidget* parent)
    : QWidget(parent), income_(new KQIncomeView(this)), line_(new QWidget(this)) {
    setObjectName(QStringLiteral("dataView"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    line_->setAutoFillBackground(true);
    QPalette lp = line_->palette();
    lp.setColor(QPalette::Window, Style::hairline());
    line_->setPalette(lp);

    connect(income_, &QPushButton::clicked, this, [this] { touched(0); });
    const QStringList captions{QStringLiteral("昨日收入(美元)"), QStringLiteral("待发货"),
                               QStringLiteral("昨日下单")};
    for (int i = 0; i < captions.size(); ++i) {
        auto* tile = new KQBtnView(captions[i], this);
        tile->setObjectName(QStringLiteral("btnView%1").arg(i));
        tile->setProperty("tag", 100 + i);
        connect(tile, &QPushButton::clicked, this, [this, i] { touched(i + 1); });
        tiles_.append(tile);
    }
    tiles_[0]->setTextColor(kOrange);
    resize(parent ? parent->width() : 375, kHeight);
}

void KQHomeDataView::touched(int n) {
    if (btnViewBlock) {
        btnViewBlock(n);
    }
}

void KQHomeDataView::setDataArr(const QStringList& texts) {
    dataArr_ = texts;
    for (int i = 0; i < tiles_.size(); ++i) {
        tiles_[i]->setCount(texts.value(i));
    }
}

void KQHomeDataView::setTotalMoney(double total) {
    totalMoney_ = total;
    income_->priceL->setFont(Style::systemFont(kTotalFontPoints));
    income_->priceL->setText(HomeFormat::moneyText(total));
    income_->setAccessibleDescription(income_->priceL->text());
}

void KQHomeDataView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int w = width();
    income_->setGeometry(0, (kTopHeight - kIncomeHeight) / 2, w, kIncomeHeight);
    line_->setGeometry(0, kTopHeight - 1, w, 1);
    const double m = w * 30.0 / 375.0;
    const double tileWidth = (w - 4 * m) / 3;
    for (int i = 0; i < tiles_.size(); ++i) {
        tiles_[i]->setGeometry(qRound(m + i * (m + tileWidth)), kTopHeight, qRound(tileWidth),
                               kTileHeight);
    }
}
