#pragma once

#include <QWidget>

class KQActivistFooter;
class QLabel;
class QPushButton;

// What a footer reports; every operation is optional.
class KQActivistFooterProtocol {
public:
    virtual ~KQActivistFooterProtocol() = default;
    virtual void activistFooterWithFooter(KQActivistFooter* /*footer*/, int /*tag*/) {}
};

// The footer of one order in the list: its action at the left and its total at the right.
// Its tag holds the order's section + 5.
class KQActivistFooter : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 48;
    static constexpr int kSendGoodTag = 304;
    static constexpr int kCheckLogisticsTag = 305;
    static constexpr int kTagOffset = 5;

    explicit KQActivistFooter(QWidget* parent = nullptr);

    KQActivistFooterProtocol* delegate = nullptr;
    int tag = 0;

    void addSendGood();
    void addCheckLogistics();
    void addAllPrice(double amount);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* addAction(const QString& text, int actionTag, const QString& name);
    QWidget* white_;
    QLabel* total_ = nullptr;
};
