#define QTEST_QPA_MOUSE_HANDLING

#include "platform/Alert.h"

#include "Printers.h"
#include "platform/PhoneWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {
class AlertTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<PhoneWindow>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QPushButton* button(Alert* alert, const QString& title) {
        for (auto* b : alert->findChildren<QPushButton*>("alertAction")) {
            if (b->text() == title) {
                return b;
            }
        }
        return nullptr;
    }

    std::unique_ptr<PhoneWindow> window;
};
} // namespace

TEST_F(AlertTest, TouchingAnActionClosesTheAlertThenRunsItsHandler) {
    QStringList ran;
    bool presentedDuringHandler = true;
    auto* alert = new Alert(QStringLiteral("提示"), QStringLiteral("确定要关闭订单吗?"));
    alert->addAction(QStringLiteral("取消"), Alert::Style::Cancel, [&] { ran << "取消"; });
    alert->addAction(QStringLiteral("确定"), Alert::Style::Destructive, [&] {
        ran << "确定";
        presentedDuringHandler = !Alert::presented().isEmpty();
    });
    alert->present();
    ASSERT_EQ(Alert::presented(), QList<Alert*>{alert});
    EXPECT_EQ(alert->parentWidget(), window.get());
    EXPECT_EQ(alert->geometry(), window->rect());
    EXPECT_EQ(alert->findChild<QLabel*>("alertTitle")->text(), QStringLiteral("提示"));

    // Two actions stand side by side, the cancel one on the left.
    QPushButton* cancel = button(alert, QStringLiteral("取消"));
    QPushButton* confirm = button(alert, QStringLiteral("确定"));
    ASSERT_TRUE(cancel && confirm);
    EXPECT_EQ(cancel->mapTo(alert, QPoint()).y(), confirm->mapTo(alert, QPoint()).y());
    EXPECT_LT(cancel->mapTo(alert, QPoint()).x(), confirm->mapTo(alert, QPoint()).x());

    QTest::mouseClick(confirm, Qt::LeftButton);
    EXPECT_EQ(ran, QStringList{"确定"});
    EXPECT_FALSE(presentedDuringHandler);
    EXPECT_TRUE(Alert::presented().isEmpty());
}

TEST_F(AlertTest, TheAlertIsModal) {
    auto* root = new QWidget;
    auto* behind = new QPushButton(QStringLiteral("后面"), root);
    behind->setGeometry(0, 0, 375, 667);
    window->setRoot(root);
    int clicks = 0;
    QObject::connect(behind, &QPushButton::clicked, [&] { ++clicks; });
    auto* alert = new Alert(QStringLiteral("提示"), {});
    alert->addAction(QStringLiteral("好"));
    alert->present();
    QTest::mouseClick(behind, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(Alert::presented().size(), 1);
    EXPECT_TRUE(alert->trigger(QStringLiteral("好")));
    EXPECT_FALSE(alert->trigger(QStringLiteral("好")));
}

TEST_F(AlertTest, ActionSheetKeepsCancelApartAtTheBottom) {
    QString chosen;
    auto* sheet = new ActionSheet(QStringLiteral("修改店铺LOGO"));
    sheet->addAction(QStringLiteral("取消"), Alert::Style::Cancel, [&] { chosen = "取消"; });
    sheet->addAction(QStringLiteral("拍照"), Alert::Style::Default, [&] { chosen = "拍照"; });
    sheet->addAction(QStringLiteral("从相册中选择"), Alert::Style::Default,
                     [&] { chosen = "从相册中选择"; });
    sheet->present();
    EXPECT_EQ(sheet->actionTitles(), (QStringList{"取消", "拍照", "从相册中选择"}));

    const auto top = [&](const QString& title) {
        return button(sheet, title)->mapTo(sheet, QPoint()).y();
    };
    EXPECT_LT(top("拍照"), top("从相册中选择"));
    EXPECT_LT(top("从相册中选择"), top("取消"));
    EXPECT_GT(top("取消"), window->height() - 80);

    QTest::mouseClick(button(sheet, QStringLiteral("从相册中选择")), Qt::LeftButton);
    EXPECT_EQ(chosen, QStringLiteral("从相册中选择"));
    EXPECT_TRUE(Alert::presented().isEmpty());
}

TEST(AlertWithoutWindowTest, OpensAsItsOwnPhoneSizedWindow) {
    ASSERT_EQ(PhoneWindow::current(), nullptr);
    int ran = 0;
    auto* alert = new Alert(QStringLiteral("提示"), QStringLiteral("没有窗口"));
    alert->addAction(QStringLiteral("好"), Alert::Style::Default, [&] { ++ran; });
    alert->present();
    EXPECT_TRUE(alert->isWindow());
    EXPECT_TRUE(alert->isVisible());
    EXPECT_EQ(alert->size(), PhoneWindow::defaultSize);
    EXPECT_TRUE(alert->trigger(QStringLiteral("好")));
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(alert->isVisible());
}
