#include "goods/KQSMenuCell.h"

#include "platform/Assets.h"
#include "ui/Style.h"

#include <QPushButton>

namespace {

constexpr int kTitleLeft = 15;
constexpr int kButtonHeight = 20;
constexpr int kLineStep = 30;
constexpr int kAreaTop = 10;
constexpr int kSideRoom = 60;
constexpr int kLeft = 30;
constexpr int kGap = 10;
constexpr int kPerLine = 3;

int lineCount(qsizetype buttons) {
    return int((buttons + kPerLine - 1) / kPerLine);
}

QIcon foldIcon() {
    QIcon icon;
    icon.addPixmap(Assets::image(QStringLiteral("kqsSearch_packup")), QIcon::Normal, QIcon::Off);
    icon.addPixmap(Assets::image(QStringLiteral("kqsSearch_an")), QIcon::Normal, QIcon::On);
    return icon;
}

} // namespace

KQSMenuCell::KQSMenuCell(QWidget* parent)
    : TableCell(QString::fromLatin1(kIdentifier), parent), titleLabel(new QPushButton(this)),
      openBtn(new QPushButton(this)), sangContentView(new QWidget(this)), line_(new QWidget(this)) {
    setSelectionStyle(SelectionStyle::None);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setFont(Style::systemFont(12));
    titleLabel->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent;"
                                             " color: %1; text-align: left; }")
                                  .arg(Style::rgbText(Style::darkText())));
    connect(titleLabel, &QPushButton::clicked, this, [this] {
        if (delegate) {
            delegate->KQSMenuCellDidClickCatrBtn(titleLabel, model_, std::nullopt);
        }
    });
    openBtn->setObjectName(QStringLiteral("openBtn"));
    openBtn->setAccessibleName(QStringLiteral("展开"));
    openBtn->setCheckable(true);
    openBtn->setIcon(foldIcon());
    openBtn->setStyleSheet(
        QStringLiteral("QPushButton { border: none; background: transparent; }"));
    connect(openBtn, &QPushButton::clicked, this, [this] {
        // The row's state follows the model, which the menu flips and redraws.
        openBtn->setChecked(model_.isOpening);
        if (moreButtonClickedBlock) {
            moreButtonClickedBlock(indexPath_);
        }
    });
    sangContentView->setObjectName(QStringLiteral("sangContentView"));
    line_->setAttribute(Qt::WA_StyledBackground);
    line_->setStyleSheet(QStringLiteral("background: %1;").arg(Style::rgbText(Style::hairline())));
}

void KQSMenuCell::setModel(const KQSOneGoodsCategoryModel& model, IndexPath indexPath) {
    model_ = model;
    indexPath_ = indexPath;
    titleLabel->setText(model.name);
    openBtn->setHidden(model.category_list.isEmpty());
    openBtn->setChecked(model.isOpening);
    rebuildSecondLevel();
    setAccessibleName(model.name);
}

int KQSMenuCell::heightFor(const KQSOneGoodsCategoryModel& model) {
    if (!model.isOpening || model.category_list.isEmpty()) {
        return kTitleHeight;
    }
    return kTitleHeight + kAreaTop + kLineStep * lineCount(model.category_list.size());
}

QRect KQSMenuCell::secondLevelFrame(int k, int tableWidth) {
    const int width = (tableWidth - kSideRoom) / kPerLine;
    return QRect(kLeft + k % kPerLine * (width + kGap), kAreaTop + kLineStep * (k / kPerLine),
                 width, kButtonHeight);
}

void KQSMenuCell::rebuildSecondLevel() {
    qDeleteAll(buttons_);
    buttons_.clear();
    sangContentView->setVisible(model_.isOpening);
    if (!model_.isOpening) {
        return;
    }
    const QString style =
        QStringLiteral("QPushButton { border: none; border-radius: %1px;"
                       " background: %2; color: %3; }")
            .arg(kButtonHeight / 4)
            .arg(Style::rgbText(Style::background()), Style::rgbText(Style::greyText()));
    for (int k = 0; k < model_.category_list.size(); ++k) {
        auto* button = new QPushButton(model_.category_list.at(k).name, sangContentView);
        button->setObjectName(QStringLiteral("secondLevel%1").arg(k));
        button->setProperty("tag", kTagOffset + k);
        button->setFont(Style::systemFont(12));
        button->setStyleSheet(style);
        connect(button, &QPushButton::clicked, this,
                [this, button] { secondLevelTouched(button); });
        button->show();
        buttons_.append(button);
    }
    placeSecondLevel();
}

void KQSMenuCell::secondLevelTouched(QPushButton* button) {
    const int index = button->property("tag").toInt() - kTagOffset;
    if (delegate && index >= 0 && index < model_.category_list.size()) {
        delegate->KQSMenuCellDidClickCatrBtn(button, model_, model_.category_list.at(index));
    }
}

void KQSMenuCell::resizeEvent(QResizeEvent* event) {
    TableCell::resizeEvent(event);
    titleLabel->setGeometry(kTitleLeft, 0, qMax(0, width() - kTitleLeft - kTitleHeight),
                            kTitleHeight);
    openBtn->setGeometry(width() - kTitleHeight, 0, kTitleHeight, kTitleHeight);
    sangContentView->setGeometry(0, kTitleHeight, width(), qMax(0, height() - kTitleHeight));
    line_->setGeometry(0, height() - 1, width(), 1);
    placeSecondLevel();
}

void KQSMenuCell::placeSecondLevel() {
    for (int k = 0; k < buttons_.size(); ++k) {
        buttons_.at(k)->setGeometry(secondLevelFrame(k, width()));
    }
}
