#include "app/KQLogoutVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/RCNavigationbar.h"
#include "platform/Alert.h"
#include "platform/ImageView.h"
#include "platform/PhoneWindow.h"
#include "settings/KQSSettingVC.h"
#include "settings/KQSSettintCell.h"
#include "settings/KQSettingRealmVC.h"
#include "settings/KQSettingViewController.h"
#include "support/ScreenFixture.h"
#include "ui/KQBaseTableView.h"

#include <QApplication>
#include <QFileDialog>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

QJsonObject demoProfile() {
    return {{"shop_id", "10001"},
            {"name", "悦购跨境旗舰店"},
            {"contacts", "陈晓明"},
            {"logo", ""},
            {"province_id", "440000"},
            {"provinceName", "广东省"},
            {"city_id", "440300"},
            {"cityName", "深圳市"},
            {"county", "南山区"},
            {"detail_address", "科技园路1号"},
            {"email", "owner@shop.example"},
            {"mobile", "13800138000"},
            {"subdomain", ""}};
}

// The personal centre as the first screen of a stack in a phone window, on a scripted service
// that keeps one profile: "system/update.do" changes it unless a refusal is scripted.
class SettingsTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        peer.setHandler([this](const PeerRequest& request) { return answer(request); });
    }

    PeerReply answer(const PeerRequest& request) {
        if (scripted.contains(request.path)) {
            return scripted.value(request.path);
        }
        if (request.path == "/system/get.do") {
            PeerReply reply = success(profile);
            reply.delayMs = loadDelayMs;
            return reply;
        }
        if (request.path == "/system/update.do") {
            profile["name"] = request.field("shop_name");
            for (const char* key :
                 {"contacts", "email", "province_id", "city_id", "county", "detail_address"}) {
                profile[key] = request.field(key);
            }
            return success(profile);
        }
        return success();
    }

    KQSSettingVC* open() {
        centre = ScreenFixture::open(new KQSSettingVC);
        EXPECT_TRUE(settle());
        return centre;
    }
    template <class S> S* top() const {
        navigation->finishTransition();
        return topAs<S>();
    }
    KQSSettintCell* row(IndexPath path) const {
        return static_cast<KQSSettintCell*>(centre->tableView->cellForRow(path));
    }
    QString rightText(IndexPath path) const { return row(path)->rightText(); }
    // Opens the row's editor and saves text in it, as the owner does.
    void edit(int rowIndex, const QString& text) {
        QTest::mouseClick(row({0, rowIndex}), Qt::LeftButton);
        auto* editor = top<KQSettingViewController>();
        ASSERT_NE(editor, nullptr);
        editor->textField->setText(text);
        QTest::mouseClick(editor->saveBtn, Qt::LeftButton);
        ASSERT_TRUE(settle());
        navigation->finishTransition();
    }

    QJsonObject profile = demoProfile();
    QHash<QByteArray, PeerReply> scripted;
    int loadDelayMs = 0;
    KQSSettingVC* centre = nullptr;
};

TEST_F(SettingsTest, RowsShowTheirFixedTextsUntilTheProfileLoads) {
    scripted.insert("/system/get.do", refused("请先登录"));
    open();
    EXPECT_EQ(centre->naviBar()->titleView->text(), "个人中心");
    EXPECT_FALSE(centre->naviBar()->left0->isVisible()) << "the tab's first screen";
    const QStringList expected{"公司名", "未完善", "未完善", "邮箱", "未完善"};
    for (int r = 0; r < expected.size(); ++r) {
        EXPECT_EQ(rightText({0, r}), expected[r]) << r;
    }
    EXPECT_EQ(row({1, 0})->leftTitleLabel->text(), "系统设置");
    EXPECT_FALSE(centre->model().has_value());
}

TEST_F(SettingsTest, LoadedRowsShowTheProfile) {
    struct Case {
        const char* name;
        QString detail;
        QString subdomain;
        QString address;
        QString domain;
    };
    const QList<Case> cases{
        {"both set", "x", "myshop", "已完善", "已完善"},
        {"both empty", "", "", "未完善", "未完善"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        profile["detail_address"] = c.detail;
        profile["subdomain"] = c.subdomain;
        open();
        EXPECT_EQ(rightText({0, KQSSettingVC::NameRow}), "悦购跨境旗舰店");
        EXPECT_EQ(rightText({0, KQSSettingVC::ContactsRow}), "陈晓明");
        EXPECT_EQ(rightText({0, KQSSettingVC::AddressRow}), c.address);
        EXPECT_EQ(rightText({0, KQSSettingVC::EmailRow}), "owner@shop.example");
        EXPECT_EQ(rightText({0, KQSSettingVC::SubdomainRow}), c.domain);
    }
    profile.remove("detail_address");
    open();
    EXPECT_EQ(rightText({0, KQSSettingVC::AddressRow}), "未完善") << "an absent street";
}

TEST_F(SettingsTest, RowsShowServiceTextPlainAndCutShortWhenLong) {
    profile["name"] = "<b>Bold</b>";
    profile["email"] = "a.very.long.mailbox.name@a-rather-long-shop-domain.example";
    open();
    QLabel* name = row({0, KQSSettingVC::NameRow})->rigtTitleLabel;
    EXPECT_EQ(name->textFormat(), Qt::PlainText);
    EXPECT_EQ(name->text(), "<b>Bold</b>");
    QLabel* email = row({0, KQSSettingVC::EmailRow})->rigtTitleLabel;
    EXPECT_TRUE(email->text().endsWith(QChar(0x2026)));
    EXPECT_LE(email->fontMetrics().horizontalAdvance(email->text()), email->width());
    EXPECT_TRUE(
        row({0, KQSSettingVC::EmailRow})->accessibleName().contains(profile["email"].toString()));
}

TEST_F(SettingsTest, ARowTouchedBeforeTheProfileLoadedLoadsItInstead) {
    scripted.insert("/system/get.do", refused("服务繁忙"));
    open();
    scripted.clear();
    QTest::mouseClick(row({0, KQSSettingVC::ContactsRow}), Qt::LeftButton);
    EXPECT_EQ(top<KQSSettingVC>(), centre) << "no editor starts from a placeholder";
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsTo("/system/get.do").size(), 2);
    EXPECT_TRUE(centre->model().has_value());
    QTest::mouseClick(row({0, KQSSettingVC::ContactsRow}), Qt::LeftButton);
    auto* editor = top<KQSettingViewController>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->textField->text(), "陈晓明");
    EXPECT_EQ(editor->naviBar()->titleView->text(), "修改联系人");
}

TEST_F(SettingsTest, SavingTheNameSendsTheWholeProfileAndRemembersTheName) {
    open();
    edit(KQSSettingVC::NameRow, QStringLiteral("A"));
    ASSERT_EQ(requestsTo("/system/update.do").size(), 1);
    const PeerRequest update = requestsTo("/system/update.do").first();
    EXPECT_EQ(update.field("shop_name"), "A");
    EXPECT_EQ(update.field("contacts"), "陈晓明");
    EXPECT_EQ(update.field("email"), "owner@shop.example");
    EXPECT_EQ(update.field("province_id"), "440000");
    EXPECT_EQ(update.field("city_id"), "440300");
    EXPECT_EQ(update.field("county"), "南山区");
    EXPECT_EQ(update.field("detail_address"), "科技园路1号");
    EXPECT_TRUE(Toast::visibleTexts().contains("保存成功"));
    EXPECT_EQ(rightText({0, KQSSettingVC::NameRow}), "A");
    EXPECT_EQ(Defaults::value("shopName").toString(), "A");

    edit(KQSSettingVC::EmailRow, QStringLiteral("new@shop.example"));
    EXPECT_EQ(rightText({0, KQSSettingVC::EmailRow}), "new@shop.example");
    EXPECT_EQ(Defaults::value("shopName").toString(), "A") << "only the name goes there";
}

// The reload as the editor closes would hide a refused value kept in the record; here the
// service is too busy to answer it.
TEST_F(SettingsTest, ARefusedValueIsNeitherKeptNorSentAgain) {
    open();
    scripted.insert("/system/get.do", refused("服务繁忙"));
    scripted.insert("/system/update.do", refused("请输入正确的邮箱"));
    edit(KQSSettingVC::EmailRow, QStringLiteral("abc"));
    EXPECT_TRUE(Toast::visibleTexts().contains("请输入正确的邮箱"));
    EXPECT_EQ(centre->model()->email, "owner@shop.example");
    EXPECT_EQ(rightText({0, KQSSettingVC::EmailRow}), "owner@shop.example");

    scripted.remove("/system/update.do");
    edit(KQSSettingVC::ContactsRow, QStringLiteral("王五"));
    const PeerRequest second = requestsTo("/system/update.do").last();
    EXPECT_EQ(second.field("contacts"), "王五");
    EXPECT_EQ(second.field("email"), "owner@shop.example");
    EXPECT_EQ(rightText({0, KQSSettingVC::ContactsRow}), "王五");
}

// The centre reloads as the editor closes; that load may be answered with the profile as it
// was before the change.
TEST_F(SettingsTest, ALoadAnsweredBeforeTheChangeDoesNotUndoIt) {
    open();
    loadDelayMs = 300;
    edit(KQSSettingVC::NameRow, QStringLiteral("新店名"));
    EXPECT_EQ(centre->model()->name, "新店名");
    EXPECT_EQ(rightText({0, KQSSettingVC::NameRow}), "新店名");
    EXPECT_GE(requestsTo("/system/get.do").size(), 3);
}

TEST_F(SettingsTest, TheEditorWantsSomeTextAndBackSendsNothing) {
    open();
    QTest::mouseClick(row({0, KQSSettingVC::NameRow}), Qt::LeftButton);
    auto* editor = top<KQSettingViewController>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->textField->placeholderText(), "未填写");
    editor->textField->clear();
    QTest::mouseClick(editor->saveBtn, Qt::LeftButton);
    EXPECT_TRUE(Toast::visibleTexts().contains("名称不能为空!"));
    EXPECT_EQ(top<KQSettingViewController>(), editor);
    QTest::mouseClick(editor->naviBar()->left0, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(top<KQSSettingVC>(), centre);
    EXPECT_TRUE(requestsTo("/system/update.do").isEmpty());

    edit(KQSSettingVC::ContactsRow, QStringLiteral("  "));
    EXPECT_EQ(requestsTo("/system/update.do").last().field("contacts"), "  ")
        << "two spaces are a text";
}

TEST_F(SettingsTest, TheDomainScreenSetsASubdomainOnce) {
    open();
    QTest::mouseClick(row({0, KQSSettingVC::SubdomainRow}), Qt::LeftButton);
    auto* realm = top<KQSettingRealmVC>();
    ASSERT_NE(realm, nullptr);
    EXPECT_EQ(realm->rightL->text(), "未设置");
    QPushButton* edit = realm->naviBar()->right0;
    ASSERT_TRUE(edit->isVisible());
    EXPECT_EQ(edit->text(), "编辑");

    for (const char* bad : {"abc", "abcdefghijk", "Myshop", "my.shop"}) {
        realm->subdomainChosen(QString::fromUtf8(bad));
        EXPECT_TRUE(Toast::visibleTexts().contains("非法域名")) << bad;
        Clock::advance(2 * Toast::durationMs);
    }
    EXPECT_TRUE(requestsTo("/system/updateSubdomain.do").isEmpty());

    QTest::mouseClick(edit, Qt::LeftButton);
    auto* editor = top<KQSettingViewController>();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->textField->text().isEmpty());
    editor->textField->setText(QStringLiteral("my_shop-1"));
    QTest::mouseClick(editor->saveBtn, Qt::LeftButton);
    ASSERT_TRUE(settle());
    EXPECT_EQ(top<KQSettingRealmVC>(), realm);
    EXPECT_EQ(requestsTo("/system/updateSubdomain.do").first().field("subdomain"), "my_shop-1");
    EXPECT_TRUE(Toast::visibleTexts().contains("修改成功"));
    EXPECT_EQ(realm->rightL->text(), "my_shop-1");
    EXPECT_FALSE(realm->naviBar()->right0->isVisible());
}

TEST_F(SettingsTest, ARefusedSubdomainKeepsEdit) {
    scripted.insert("/system/updateSubdomain.do", refused("该域名已被占用"));
    open();
    QTest::mouseClick(row({0, KQSSettingVC::SubdomainRow}), Qt::LeftButton);
    auto* realm = top<KQSettingRealmVC>();
    ASSERT_NE(realm, nullptr);
    realm->subdomainChosen(QStringLiteral("taken"));
    ASSERT_TRUE(settle());
    EXPECT_TRUE(Toast::visibleTexts().contains("该域名已被占用"));
    EXPECT_EQ(realm->rightL->text(), "未设置");
    EXPECT_TRUE(realm->naviBar()->right0->isVisible());
}

TEST_F(SettingsTest, AShopWithASubdomainGetsNoEdit) {
    profile["subdomain"] = "myshop";
    open();
    QTest::mouseClick(row({0, KQSSettingVC::SubdomainRow}), Qt::LeftButton);
    auto* realm = top<KQSettingRealmVC>();
    ASSERT_NE(realm, nullptr);
    EXPECT_EQ(realm->rightL->text(), "myshop");
    EXPECT_FALSE(realm->naviBar()->right0->isVisible());
}

TEST_F(SettingsTest, SystemSettingsOpensSignOut) {
    open();
    QTest::mouseClick(row({1, 0}), Qt::LeftButton);
    EXPECT_NE(top<KQLogoutVC>(), nullptr);
}

// A picture chosen in the album is uploaded, then shown; a refused upload keeps the old logo.
TEST_F(SettingsTest, AChosenLogoIsUploadedAndShown) {
    QTemporaryDir pictures;
    ASSERT_TRUE(pictures.isValid());
    QImage photo(80, 40, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    const QString file = pictures.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(photo.save(file));
    open();
    const auto choose = [&] {
        QTest::mouseClick(centre->tableView->tableHeaderView(), Qt::LeftButton);
        ASSERT_FALSE(Alert::presented().isEmpty());
        Alert* sheet = Alert::presented().last();
        EXPECT_EQ(sheet->title(), "修改店铺LOGO");
        EXPECT_EQ(sheet->actionTitles(), QStringList({"拍照", "从相册中选择", "取消"}));
        sheet->trigger(QStringLiteral("从相册中选择"));
        QFileDialog* chooser = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            chooser = window->findChild<QFileDialog*>(QStringLiteral("imagePicker"));
            return chooser != nullptr;
        }));
        chooser->selectFile(file);
        // What "打开" does in the chooser.
        static_cast<QDialog*>(chooser)->accept();
        ASSERT_TRUE(settle());
    };

    scripted.insert("/system/uploadLogo.do", refused("图片格式不正确"));
    const QImage before = centre->iconView->image().toImage();
    choose();
    EXPECT_TRUE(Toast::visibleTexts().contains("图片格式不正确"));
    EXPECT_EQ(centre->iconView->image().toImage(), before);

    scripted.clear();
    choose();
    const PeerRequest upload = requestsTo("/system/uploadLogo.do").last();
    ASSERT_EQ(upload.parts.size(), 1);
    EXPECT_EQ(upload.parts.first().name, "picture");
    EXPECT_EQ(upload.parts.first().contentType, "image/jpg");
    EXPECT_TRUE(Toast::visibleTexts().contains("图片上传成功"));
    const QImage shown = centre->iconView->image().toImage();
    EXPECT_EQ(shown.size(), QSize(40, 40)) << "cropped to the centred square";
    EXPECT_TRUE(centre->iconView->isCircular());
}

} // namespace
