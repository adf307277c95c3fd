#pragma once

#include "addresses/KQLogisticsModel.h"

#include <QWidget>
#include <functional>
#include <optional>

class FormRow;
class KQTextView;
class QLabel;
class QLineEdit;
class Switch;

// The form of the address editor: contact, phone and postcode fields, the province and city
// rows, the street text and the two default switches.
class KQAddAddressView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 50;
    static constexpr int kDetailHeight = 100;
    static constexpr int kGap = 12;
    static constexpr int kDetailMaxLength = 50;
    static inline const QString kChoose = QStringLiteral("请选择");
    static inline const QString kDetailPlaceholder = QStringLiteral("请输入详细地址,不少于5个字");

    explicit KQAddAddressView(QWidget* parent = nullptr);

    // Fills the form from the record, or empties it when there is none.
    void setModel(const std::optional<KQLogisticsModel>& model);
    // Puts a region picker's choice into the province and city rows.
    void setRegion(const QString& province, const QString& city);
    // Ends editing of the three fields and the street text.
    void endEditing();

    // Touching the province or the city row.
    std::function<void()> regionBlock;

    QLineEdit* Username;
    QLineEdit* Telephone;
    QLineEdit* messNum;
    QLabel* proL;
    QLabel* cityL;
    KQTextView* detailAddress;
    Switch* tolerantButton;
    Switch* backButton;

    FormRow* provinceRow() const { return provinceRow_; }
    FormRow* cityRow() const { return cityRow_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    FormRow* nameRow_;
    FormRow* phoneRow_;
    FormRow* postcodeRow_;
    FormRow* provinceRow_;
    FormRow* cityRow_;
    QWidget* detailBlock_;
    FormRow* sendRow_;
    FormRow* receiveRow_;
};
