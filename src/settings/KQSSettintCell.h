#pragma once

#include "platform/TableCell.h"
#include "settings/SettingModel.h"

class QLabel;

// One row of the personal centre: picture, title, the text at the right and the arrow.
class KQSSettintCell : public TableCell {
    Q_OBJECT
public:
    static constexpr int kHeight = 60;
    static QString reuseIdentifier() { return QStringLiteral("KQSSettintCell"); }

    explicit KQSSettintCell(QWidget* parent = nullptr);

    QLabel* iconView;
    QLabel* leftTitleLabel;
    QLabel* rigtTitleLabel;
    QLabel* arrowView;
    QWidget* lineView;

    void setModel(const SettingModel& model);
    // The screen overwrites the right-hand text once the profile is known; a text too long for
    // the row is shown cut short with an ellipsis.
    void setRightText(const QString& text);
    QString rightText() const { return rightText_; }
    void setLineHidden(bool hidden);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showRightText();

    QString rightText_;
};
