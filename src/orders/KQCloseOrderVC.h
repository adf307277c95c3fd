#pragma once

#include "app/KQSBaesVC.h"

class QPushButton;

// "关闭订单": choose one of the fixed reasons and close the order.
class KQCloseOrderVC : public KQSBaesVC {
    Q_OBJECT
public:
    explicit KQCloseOrderVC(const QString& orderId, QWidget* parent = nullptr);

    static QStringList reasons();

    QString order_id() const { return order_id_; }
    QString reason() const { return reason_; }
    const QList<QPushButton*>& btnArr() const { return btnArr_; }
    QPushButton* submitBtn() const { return submitBtn_; }

    void btnClick(QPushButton* button);
    void saveClick();

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    void closed();

    QString order_id_;
    QString reason_;
    QList<QPushButton*> btnArr_;
    QWidget* titleLabel_ = nullptr;
    QWidget* box_ = nullptr;
    QPushButton* submitBtn_ = nullptr;
};
