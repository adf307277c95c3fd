#pragma once

#include "app/KQSBaesVC.h"
#include "home/HomeRecords.h"

#include <optional>

class KQHomeDataView;
class KQHomeManagerView;
class KineticScrollView;

// The home dashboard: the shop's name, its income and yesterday's figures, the management
// tiles and the shop preview. Figures and title are fetched again at every appearance.
class KQSShopVC : public KQSBaesVC {
    Q_OBJECT
public:
    explicit KQSShopVC(QWidget* parent = nullptr);

    // The user-defaults entry holding a shop name just changed by the owner, shown until the
    // service's profile arrives.
    static QString shopNameKey() { return QStringLiteral("shopName"); }

    KineticScrollView* contentScrollView() const { return contentScrollView_; }
    KQHomeDataView* dataView() const { return dataView_; }
    KQHomeManagerView* managerView() const { return managerView_; }
    const std::optional<KQHomeModel>& homeModel() const { return homeModel_; }
    const std::optional<KQHomeShopModel>& settingModel() const { return settingModel_; }

    void getHomeData();
    void getSystemData();
    void reloadViews();
    void showShop();
    // The shop's public page: the storefront base address, index.html and the shop id.
    static QString shopPreviewUrl(const QString& shopId);

    // Where the figures and tiles lead.
    void btnViewTouched(int n);
    void managerBtnTouched(int i);
    // The order list on tab `page` (0 "全部", 2 "待发货").
    void openOrders(int page);

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void layoutContent() override;

private:
    void setUpNaviBar();
    void initDataView();
    void initManagerView();
    void pushScreenNamed(const QString& className);

    KineticScrollView* contentScrollView_ = nullptr;
    QWidget* content_ = nullptr;
    KQHomeDataView* dataView_ = nullptr;
    KQHomeManagerView* managerView_ = nullptr;
    std::optional<KQHomeModel> homeModel_;
    std::optional<KQHomeShopModel> settingModel_;
};
