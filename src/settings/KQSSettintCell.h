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
    // The screen overwrites the right-hand text once the profile is known.
    void setRightText(const QString& text);
    void setLineHidden(bool hidden);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateAccessibleName();
};
