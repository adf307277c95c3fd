#pragma once

#include "app/KQSBaesVC.h"
#include "platform/TableView.h"
#include "settings/KQSSettingShopModel.h"
#include "settings/SettingModel.h"

#include <QPointer>
#include <optional>

class ImageView;
class KQBaseTableView;
class KQRequest;

// "个人中心", the first screen of the "个人" tab: the shop's logo and profile as the service
// holds them, the way into every field's editor, and "系统设置" (sign-out).
class KQSSettingVC : public KQSBaesVC, public TableDataSource {
    Q_OBJECT
public:
    // The rows of section 0, in order.
    enum ProfileRow { NameRow, ContactsRow, AddressRow, EmailRow, SubdomainRow };
    static constexpr int kHeaderHeight = 85;
    static constexpr int kLogoSide = 58;
    static constexpr int kSectionGap = 12;

    explicit KQSSettingVC(QWidget* parent = nullptr);

    KQBaseTableView* tableView;
    ImageView* iconView;
    const QList<QList<SettingModel>> dataArray;
    // Absent until the first successful load.
    const std::optional<KQSSettingShopModel>& model() const { return model_; }

    void getConfigData();
    void reloadLogo();
    // The logo-source sheet; the picture chosen is uploaded.
    void storeLogoClick();
    void uploadLogo(const QImage& picture);
    void didSelectRow(IndexPath indexPath);
    // What the row shows at its right: the profile's value once loaded, the fixed text before.
    QString rightText(IndexPath indexPath) const;

    // The editor's title of a text row, and where that row's text lives in the record.
    static QString editorTitle(int row);
    static void setPushedVCRow(KQSSettingShopModel& record, int row, const QString& text);

    int numberOfSections(TableView* table) override;
    int numberOfRows(TableView* table, int section) override;
    TableCell* cellForRow(TableView* table, IndexPath indexPath) override;
    int heightForRow(TableView* table, IndexPath indexPath) override;
    int heightForHeader(TableView* table, int section) override;

protected:
    void viewDidLoad() override;
    void viewWillAppear() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeHeader();
    void placeTable();
    void profileLoaded(const QJsonObject& reply);
    void openTextEditor(int row);
    void openRealm();
    void saveText(int row, const QString& text);
    void textSaved(int row, const QString& text);

    std::optional<KQSSettingShopModel> model_;
    QPointer<KQRequest> loading_;
    // Only the latest load may replace the record: an earlier one may predate a saved edit.
    quint64 loadSerial_ = 0;
};
