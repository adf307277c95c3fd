#pragma once

#include "platform/TableView.h"

class QLabel;

// The empty-state view of a list: its picture centred on a transparent background.
class KQNullView : public QWidget {
    Q_OBJECT
public:
    explicit KQNullView(QWidget* parent = nullptr);
    static constexpr QSize kPictureSize{150, 158};
    QLabel* picture() const { return picture_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* picture_;
};

// The list table of the screens, with its empty-state view laid over the rows.
class KQBaseTableView : public TableView {
    Q_OBJECT
public:
    explicit KQBaseTableView(Style style = Style::Plain, QWidget* parent = nullptr);

    // Created on first use, over the rows and as large as the table. Screens hide it while
    // their list has rows.
    KQNullView* nullView();
    bool hasNullView() const { return nullView_ != nullptr; }

private:
    KQNullView* nullView_ = nullptr;
};
