#include "platform/ImagePicker.h"
#include "platform/PhoneWindow.h"
#include "platform/Toast.h"
#include "ui/KQAlert.h"

#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Alerts in a phone window, with the device folder and the pictures in temporary folders.
class AlertsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(devices.isValid() && pictures.isValid());
        ImagePicker::setDeviceFolder(devices.path());
        window.show();
    }
    void TearDown() override {
        for (Alert* alert : Alert::presented()) {
            alert->dismiss();
        }
        ImagePicker::setDeviceFolder(QString());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void addCamera() {
        QFile device(devices.filePath("video0"));
        ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    }
    Alert* lastPresented() const {
        const QList<Alert*> shown = Alert::presented();
        return shown.isEmpty() ? nullptr : shown.last();
    }
    QFileDialog* openChooser() const { return window.findChild<QFileDialog*>("imagePicker"); }

    QTemporaryDir devices;
    QTemporaryDir pictures;
    PhoneWindow window;
};

TEST_F(AlertsTest, ConfirmComesBeforeCancelAndEachOnlyIfGiven) {
    int confirmed = 0;
    std::unique_ptr<Alert> both(KQAlert::alertControllerWithOKaction(
        KQAlertAction{"退出", Alert::Style::Destructive, [&] { ++confirmed; }},
        KQAlertAction{"取消", Alert::Style::Cancel, {}}, "提示", "确定要退出吗"));
    EXPECT_EQ(both->actionTitles(), (QStringList{"退出", "取消"}));
    std::unique_ptr<Alert> onlyCancel(KQAlert::alertControllerWithOKaction(
        std::nullopt, KQAlertAction{"取消", Alert::Style::Cancel, {}}, "提示", "m"));
    EXPECT_EQ(onlyCancel->actionTitles(), QStringList{"取消"});
}

TEST_F(AlertsTest, PaypalAlertDependsOnTheBinding) {
    int sure = 0;
    std::unique_ptr<Alert> bound(KQAlert::alertPaypalWithBlind(true, [&] { ++sure; }));
    EXPECT_EQ(bound->title(), "提示");
    EXPECT_EQ(bound->message(), "请先解绑再更换账号");
    EXPECT_EQ(bound->actionTitles(), QStringList{"确定"});
    std::unique_ptr<Alert> unbound(KQAlert::alertPaypalWithBlind(false, [&] { ++sure; }));
    EXPECT_EQ(unbound->message(), "请确定是否要解除绑定");
    EXPECT_EQ(unbound->actionTitles(), (QStringList{"确定", "取消"}));
    Alert* shown = unbound.release();
    shown->present();
    ASSERT_TRUE(shown->trigger("确定"));
    EXPECT_EQ(sure, 1);
}

TEST_F(AlertsTest, TakingAPhotoWithoutACameraSaysSoAndOpensNothing) {
    Alert* sheet = KQAlert::StoreLogoImageWithController(&window, {});
    EXPECT_EQ(sheet->title(), "修改店铺LOGO");
    EXPECT_EQ(sheet->actionTitles(), (QStringList{"拍照", "从相册中选择", "取消"}));
    ASSERT_TRUE(sheet->trigger("拍照"));
    Alert* notice = lastPresented();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->message(), "该设备不支持拍照");
    EXPECT_EQ(notice->actionTitles(), QStringList{"知道了"});
    EXPECT_EQ(openChooser(), nullptr);
}

TEST_F(AlertsTest, WithACameraTheChooserOpens) {
    addCamera();
    Alert* sheet = KQAlert::StoreLogoImageWithController(&window, {});
    ASSERT_TRUE(sheet->trigger("拍照"));
    EXPECT_NE(openChooser(), nullptr);
    EXPECT_TRUE(Alert::presented().isEmpty());
}

TEST_F(AlertsTest, AlbumPictureArrivesCroppedToASquare) {
    const QString file = pictures.filePath("shop.png");
    QImage wide(300, 200, QImage::Format_RGB32);
    wide.fill(Qt::red);
    ASSERT_TRUE(wide.save(file));
    QImage chosen;
    Alert* sheet =
        KQAlert::StoreLogoImageWithController(&window, [&](const QImage& i) { chosen = i; });
    ASSERT_TRUE(sheet->trigger("从相册中选择"));
    QFileDialog* chooser = openChooser();
    ASSERT_NE(chooser, nullptr);
    emit chooser->fileSelected(file);
    EXPECT_EQ(chosen.size(), QSize(200, 200));
}

TEST_F(AlertsTest, AFileThatIsNoPictureIsReported) {
    const QString file = pictures.filePath("notes.png");
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    bool called = false;
    Alert* sheet =
        KQAlert::StoreLogoImageWithController(&window, [&](const QImage&) { called = true; });
    ASSERT_TRUE(sheet->trigger("从相册中选择"));
    ASSERT_NE(openChooser(), nullptr);
    emit openChooser()->fileSelected(file);
    EXPECT_FALSE(called);
    EXPECT_TRUE(Toast::visibleTexts().contains("图片无法读取"));
}

} // namespace
