#pragma once

#include "app/KQSBaesVC.h"
#include "orders/KQOrderModel.h"

class QLabel;
class QLineEdit;
class QPushButton;

// "发货": choose the express company, enter the waybill number, ship the order.
class KQSendGoodsVC : public KQSBaesVC {
    Q_OBJECT
public:
    KQSendGoodsVC(const QString& orderId, const KQOrderBuyerAddressModel& address,
                  QWidget* parent = nullptr);

    QString order_id() const { return order_id_; }
    const KQOrderBuyerAddressModel& addressM() const { return addressM_; }
    QString company_id() const { return company_id_; }

    QPushButton* companyRight = nullptr;
    QLineEdit* idRight = nullptr;
    QPushButton* saveBtn = nullptr;

    void chooseCompany();
    void saveClick();
    // What the picker hands back.
    void companyChosen(const QString& name, const QString& companyId);

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    void buildCompanyRow();
    void buildNumberRow();
    void buildReceiverBlock();
    void shipped();

    QString order_id_;
    KQOrderBuyerAddressModel addressM_;
    QString company_id_;
    QWidget* companyRow_ = nullptr;
    QWidget* numberRow_ = nullptr;
    QWidget* receiverBlock_ = nullptr;
    QLabel* receiverName_ = nullptr;
    QLabel* receiverPhone_ = nullptr;
    QLabel* receiverAddress_ = nullptr;
    QLabel* arrow_ = nullptr;
};
