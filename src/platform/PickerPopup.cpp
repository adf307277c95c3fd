#include "platform/PickerPopup.h"

#include "platform/KineticScrolling.h"
#include "platform/PhoneWindow.h"

#include <QEvent>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QScroller>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <functional>

namespace {

const QColor kDarkText(56, 56, 56);
const QColor kGreyText(156, 162, 162);
const QColor kHairline(231, 238, 241);
const QColor kToolbarBackground(240, 241, 245);
const QColor kConfirmRed(255, 79, 79);

// Room above the first row and below the last, so that each can stand in the middle band.
constexpr int kEndPadding = (PickerPopup::WheelHeight - PickerPopup::RowHeight) / 2;

// The text band of a row inside the rectangle the list gives it.
QRect band(const QRect& itemRect, int row) {
    const int top = row == 0 ? itemRect.top() + kEndPadding : itemRect.top();
    return QRect(itemRect.left(), top, itemRect.width(), PickerPopup::RowHeight);
}

class WheelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        int height = PickerPopup::RowHeight;
        if (index.row() == 0) {
            height += kEndPadding;
        }
        if (index.row() == index.model()->rowCount() - 1) {
            height += kEndPadding;
        }
        return QSize(0, height);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        QFont font = option.font;
        font.setPixelSize(PickerPopup::FontSize);
        painter->save();
        painter->setFont(font);
        painter->setPen(selected ? kDarkText : kGreyText);
        painter->drawText(band(option.rect, index.row()), Qt::AlignCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

// One wheel: the selected row is the list's current row and always stands in the middle band.
class PickerWheel : public QListWidget {
public:
    explicit PickerWheel(QWidget* parent) : QListWidget(parent) {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
        setSelectionMode(QAbstractItemView::SingleSelection);
        setUniformItemSizes(false);
        setItemDelegate(new WheelDelegate(this));
        setStyleSheet(QStringLiteral("QListWidget { background: white; }"));
        QScroller* scroller = KineticScrolling::enable(
            viewport(), Qt::Vertical, KineticScrolling::Edges::BounceWhenScrollable);
        connect(scroller, &QScroller::stateChanged, this, [this](QScroller::State state) {
            if (state == QScroller::Inactive && moving_) {
                settle();
            }
            moving_ = state == QScroller::Dragging || state == QScroller::Scrolling;
        });
        connect(this, &QListWidget::currentRowChanged, this, &PickerWheel::currentChanged);
        connect(this, &QListWidget::itemSelectionChanged, this, &PickerWheel::selectionChanged);
    }

    std::function<void(int row)> onTurned;

    void setRows(const QStringList& rows) {
        quietly([&] {
            clear();
            addItems(rows);
            setCurrentRow(rows.isEmpty() ? -1 : 0);
        });
        centre();
    }

    void selectRow(int row) {
        if (row < 0 || row >= count()) {
            return;
        }
        quietly([&] { setCurrentRow(row); });
        centre();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QListWidget::resizeEvent(event);
        centre();
    }

    // A notch of the mouse wheel turns the wheel by one row.
    void wheelEvent(QWheelEvent* event) override {
        const int step = event->angleDelta().y() > 0 ? -1 : event->angleDelta().y() < 0 ? 1 : 0;
        const int row = std::clamp(currentRow() + step, 0, count() - 1);
        if (step != 0 && row != currentRow()) {
            setCurrentRow(row);
        }
        event->accept();
    }

    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            pressed_ = true;
        }
        const bool handled = QListWidget::viewportEvent(event);
        if (event->type() == QEvent::MouseButtonRelease) {
            pressed_ = false;
            // A drag or flick brings its row to the middle once it comes to rest.
            if (!moving_) {
                centre();
            }
        }
        return handled;
    }

    void paintEvent(QPaintEvent* event) override {
        QListWidget::paintEvent(event);
        QPainter painter(viewport());
        painter.setPen(kHairline);
        const int top = kEndPadding;
        painter.drawLine(0, top, viewport()->width(), top);
        painter.drawLine(0, top + PickerPopup::RowHeight, viewport()->width(),
                         top + PickerPopup::RowHeight);
    }

private:
    void quietly(const std::function<void()>& change) {
        const bool was = quiet_;
        quiet_ = true;
        change();
        quiet_ = was;
    }

    void currentChanged(int row) {
        if (row >= 0 && !item(row)->isSelected()) {
            quietly([&] { item(row)->setSelected(true); });
        }
        // Under a held touch the rows stay put, so that the release lands on the touched row.
        if (!pressed_) {
            centre();
        }
        if (!quiet_ && row >= 0 && onTurned) {
            onTurned(row);
        }
    }

    // Assistive technology selects an item without making it current, and may clear the
    // selection first; the newly selected row becomes the chosen one, and a wheel never stays
    // without a selected row.
    void selectionChanged() {
        const QList<QListWidgetItem*> selected = selectedItems();
        for (QListWidgetItem* each : selected) {
            if (row(each) != currentRow()) {
                setCurrentRow(row(each));
                return;
            }
        }
        if (selected.isEmpty()) {
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (selectedItems().isEmpty() && currentRow() >= 0) {
                        quietly([&] { item(currentRow())->setSelected(true); });
                    }
                },
                Qt::QueuedConnection);
        }
    }

    // A drag or flick came to rest: the row nearest the middle band is chosen.
    void settle() {
        if (count() == 0) {
            return;
        }
        const int offset = verticalScrollBar()->value();
        const int nearest = std::clamp(
            (offset + PickerPopup::RowHeight / 2) / PickerPopup::RowHeight, 0, count() - 1);
        if (nearest != currentRow()) {
            setCurrentRow(nearest);
        } else {
            centre();
        }
    }

    void centre() {
        executeDelayedItemsLayout();
        const int row = std::max(currentRow(), 0);
        verticalScrollBar()->setValue(row * PickerPopup::RowHeight);
    }

    bool quiet_ = false;
    bool moving_ = false;
    bool pressed_ = false;
};

PickerPopup::PickerPopup(int wheelCount, QWidget* parent)
    : QWidget(parent), toolbar_(new QWidget(this)), cancel_(new QPushButton("取消", toolbar_)),
      confirm_(new QPushButton("确定", toolbar_)) {
    setObjectName(QStringLiteral("pickerPopup"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#pickerPopup { background: white; }"));
    toolbar_->setObjectName(QStringLiteral("pickerToolbar"));
    toolbar_->setAttribute(Qt::WA_StyledBackground);
    toolbar_->setStyleSheet(
        QStringLiteral("#pickerToolbar { background: rgb(%1,%2,%3); border-bottom: 1px solid "
                       "rgb(%4,%5,%6); }")
            .arg(kToolbarBackground.red())
            .arg(kToolbarBackground.green())
            .arg(kToolbarBackground.blue())
            .arg(kHairline.red())
            .arg(kHairline.green())
            .arg(kHairline.blue()));
    const auto styleButton = [](QPushButton* button, const QString& name, const QColor& colour) {
        button->setObjectName(name);
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent;"
                                             " color: rgb(%1,%2,%3); font-size: 16px; }")
                                  .arg(colour.red())
                                  .arg(colour.green())
                                  .arg(colour.blue()));
    };
    styleButton(cancel_, QStringLiteral("pickerCancel"), kDarkText);
    styleButton(confirm_, QStringLiteral("pickerConfirm"), kConfirmRed);
    connect(cancel_, &QPushButton::clicked, this, &PickerPopup::cancel);
    connect(confirm_, &QPushButton::clicked, this, &PickerPopup::confirm);

    for (int i = 0; i < std::max(wheelCount, 1); ++i) {
        auto* wheel = new PickerWheel(this);
        wheel->setObjectName(QStringLiteral("pickerWheel%1").arg(i));
        wheel->onTurned = [this, i](int row) { emit rowChanged(i, row); };
        wheels_.append(wheel);
    }
    resize(375, ToolbarHeight + WheelHeight);
}

void PickerPopup::setRows(int wheel, const QStringList& rows) {
    if (PickerWheel* w = wheels_.value(wheel)) {
        w->setRows(rows);
    }
}

QStringList PickerPopup::rows(int wheel) const {
    QStringList list;
    if (const PickerWheel* w = wheels_.value(wheel)) {
        for (int i = 0; i < w->count(); ++i) {
            list.append(w->item(i)->text());
        }
    }
    return list;
}

int PickerPopup::selectedRow(int wheel) const {
    const PickerWheel* w = wheels_.value(wheel);
    return w ? w->currentRow() : -1;
}

QString PickerPopup::selectedText(int wheel) const {
    const PickerWheel* w = wheels_.value(wheel);
    return w && w->currentItem() ? w->currentItem()->text() : QString();
}

void PickerPopup::selectRow(int wheel, int row) {
    if (PickerWheel* w = wheels_.value(wheel)) {
        w->selectRow(row);
    }
}

QListWidget* PickerPopup::wheel(int index) const {
    return wheels_.value(index);
}

void PickerPopup::showIn(QWidget* inside) {
    QWidget* window = inside ? inside->window() : nullptr;
    if (!window || closed_) {
        return;
    }
    if (auto* phone = qobject_cast<PhoneWindow*>(window)) {
        phone->addOverlay(this, PhoneWindow::Layer::Panel);
    } else {
        setParent(window);
        raise();
    }
    window->installEventFilter(this);
    place();
    show();
}

void PickerPopup::place() {
    if (QWidget* window = parentWidget()) {
        const int height = ToolbarHeight + WheelHeight;
        setGeometry(0, window->height() - height, window->width(), height);
    }
}

bool PickerPopup::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        place();
    }
    return QWidget::eventFilter(watched, event);
}

void PickerPopup::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    toolbar_->setGeometry(0, 0, width(), ToolbarHeight);
    constexpr int buttonWidth = 64;
    cancel_->setGeometry(0, 0, buttonWidth, ToolbarHeight);
    confirm_->setGeometry(width() - buttonWidth, 0, buttonWidth, ToolbarHeight);
    const int count = int(wheels_.size());
    for (int i = 0; i < count; ++i) {
        const int left = width() * i / count;
        const int right = width() * (i + 1) / count;
        wheels_[i]->setGeometry(left, ToolbarHeight, right - left, WheelHeight);
    }
}

void PickerPopup::confirm() {
    if (closed_) {
        return;
    }
    emit confirmed();
    dismiss();
}

void PickerPopup::cancel() {
    if (closed_) {
        return;
    }
    dismiss();
    emit cancelled();
}

void PickerPopup::dismiss() {
    if (closed_) {
        return;
    }
    closed_ = true;
    hide();
    deleteLater();
}
