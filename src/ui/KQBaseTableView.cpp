#include "ui/KQBaseTableView.h"

#include "platform/Assets.h"

#include <QLabel>

KQNullView::KQNullView(QWidget* parent) : QWidget(parent), picture_(new QLabel(this)) {
    setObjectName(QStringLiteral("nullView"));
    setAttribute(Qt::WA_TranslucentBackground);
    picture_->setObjectName(QStringLiteral("nullPicture"));
    picture_->setPixmap(Assets::image(QStringLiteral("icon_default_null_pic"), kPictureSize));
    picture_->setAccessibleName(QStringLiteral("暂无数据"));
    picture_->resize(kPictureSize);
}

void KQNullView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    picture_->move((width() - kPictureSize.width()) / 2, (height() - kPictureSize.height()) / 2);
}

KQBaseTableView::KQBaseTableView(Style style, QWidget* parent) : TableView(style, parent) {}

KQNullView* KQBaseTableView::nullView() {
    if (!nullView_) {
        nullView_ = new KQNullView;
        setOverlayView(nullView_);
    }
    return nullView_;
}
