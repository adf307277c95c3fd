#include "addresses/AddressScreens.h"
#include "addresses/KQAddAddressVC.h"
#include "addresses/KQAddAddressView.h"
#include "addresses/KQLogisticsCell.h"
#include "addresses/KQSLogisticsVC.h"
#include "app/KQSNavigtionVC.h"
#include "app/ScreenClasses.h"
#include "platform/Switch.h"
#include "service/KQHttpClientList.h"
#include "support/E2EFixture.h"
#include "support/Typing.h"
#include "ui/FormRow.h"
#include "ui/KQBaseTableView.h"
#include "ui/KQTextView.h"

#include <QJsonArray>
#include <QLabel>
#include <QListWidget>

namespace {

// The demo owner keeping the address library, opened as the dashboard tile opens it.
class AddressesE2E : public E2EFixture {
protected:
    void SetUp() override {
        E2EFixture::SetUp();
        static const bool registered = [] {
            registerAddressScreens();
            return true;
        }();
        ASSERT_TRUE(registered);
        launch();
        signIn();
        ASSERT_NE(tabs(), nullptr);
        stack = qobject_cast<KQSNavigtionVC*>(tabs()->currentStack());
        ASSERT_NE(stack, nullptr);
        stack->pushViewController(ScreenClasses::create("KQSLogisticsVC"), true);
        library = topAs<KQSLogisticsVC>();
        ASSERT_NE(library, nullptr);
    }

    template <class S> S* topAs() {
        EXPECT_TRUE(waitUntil([this] { return qobject_cast<S*>(stack->top()) != nullptr; }));
        stack->finishTransition();
        EXPECT_TRUE(settle());
        return qobject_cast<S*>(stack->top());
    }

    // The addresses as the service has them now.
    static QList<KQLogisticsModel> serviceAddresses() {
        QList<KQLogisticsModel> addresses;
        KQHttpClientList::request_addressListBlock(
            [&addresses](const QJsonObject* reply, const ServiceError*) {
                if (reply) {
                    addresses = KQLogisticsModel::listFromReply(*reply);
                }
            });
        EXPECT_TRUE(settle());
        return addresses;
    }
    static std::optional<KQLogisticsModel> find(const QList<KQLogisticsModel>& list,
                                                const QString& name) {
        for (const KQLogisticsModel& address : list) {
            if (address.name == name) {
                return address;
            }
        }
        return std::nullopt;
    }
    KQLogisticsCell* cellOf(const QString& addressId) {
        for (int i = 0; i < library->dataArray().size(); ++i) {
            if (library->dataArray().at(i).address_id == addressId) {
                const QRect row = library->tableView()->rectForRow({i, 0});
                library->tableView()->setContentOffset(
                    qBound(library->tableView()->minimumContentOffset(), row.top(),
                           library->tableView()->maximumContentOffset()));
                QCoreApplication::processEvents();
                return qobject_cast<KQLogisticsCell*>(library->tableView()->cellForRow({i, 0}));
            }
        }
        return nullptr;
    }
    static void type(QWidget* input, const QString& text) {
        input->setFocus(Qt::MouseFocusReason);
        typeText(input, text);
        input->clearFocus();
    }
    // Turns a wheel of the open picker to the row showing text, as a touch would.
    static void turnTo(QListWidget* wheel, const QString& text) {
        const QList<QListWidgetItem*> found = wheel->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << text.toStdString();
        wheel->scrollToItem(found.first());
        QTest::mouseClick(wheel->viewport(), Qt::LeftButton, {},
                          wheel->visualItemRect(found.first()).center());
        ASSERT_EQ(wheel->currentItem(), found.first());
    }

    KQSNavigtionVC* stack = nullptr;
    KQSLogisticsVC* library = nullptr;
};

TEST_F(AddressesE2E, AnAddressAddedThroughThePickerReachesTheServiceWithItsIdentifiers) {
    QTest::mouseClick(library->addButton(), Qt::LeftButton);
    auto* editor = topAs<KQAddAddressVC>();
    ASSERT_NE(editor, nullptr);
    KQAddAddressView* form = editor->addressView();
    type(form->Username, "赵六");
    type(form->Telephone, "13612345678");
    type(form->messNum, "850000");
    type(form->detailAddress, "北京中路一百号");
    QTest::mouseClick(form->provinceRow()->button(), Qt::LeftButton);
    RegionPicker* picker = editor->picker();
    ASSERT_NE(picker, nullptr);
    turnTo(picker->wheel(0), "西藏自治区");
    turnTo(picker->wheel(1), "拉萨市");
    QTest::mouseClick(picker->confirmButton(), Qt::LeftButton);
    EXPECT_EQ(form->proL->text(), "西藏自治区");
    EXPECT_EQ(form->cityL->text(), "拉萨市");
    QTest::mouseClick(form->backButton, Qt::LeftButton);
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);

    ASSERT_EQ(topAs<KQSLogisticsVC>(), library);
    const std::optional<KQLogisticsModel> shown = find(library->dataArray(), "赵六");
    ASSERT_TRUE(shown.has_value());
    const std::optional<KQLogisticsModel> saved = find(serviceAddresses(), "赵六");
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(saved->province_id, "540000");
    EXPECT_EQ(saved->province_name, "西藏自治区");
    EXPECT_EQ(saved->city_id, "540100");
    EXPECT_EQ(saved->city_name, "拉萨市");
    EXPECT_EQ(saved->postcode, "850000");
    EXPECT_EQ(saved->detail_address, "北京中路一百号");
    EXPECT_TRUE(saved->default_receive);
    EXPECT_FALSE(saved->default_send);
}

TEST_F(AddressesE2E, MarkingADefaultLeavesExactlyOne) {
    const std::optional<KQLogisticsModel> chosen = find(library->dataArray(), "王强");
    ASSERT_TRUE(chosen.has_value());
    ASSERT_FALSE(chosen->default_receive);
    KQLogisticsCell* cell = cellOf(chosen->address_id);
    ASSERT_NE(cell, nullptr);
    QTest::mouseClick(cell->defaultButton, Qt::LeftButton);
    EXPECT_TRUE(settle());
    EXPECT_TRUE(cellOf(chosen->address_id)->defaultButton->isChecked());
    QStringList defaults;
    for (const KQLogisticsModel& address : serviceAddresses()) {
        if (address.default_receive) {
            defaults.append(address.address_id);
        }
    }
    EXPECT_EQ(defaults, QStringList({chosen->address_id}));
    // Touching it again keeps it the one default.
    QTest::mouseClick(cellOf(chosen->address_id)->defaultButton, Qt::LeftButton);
    EXPECT_TRUE(settle());
    const std::optional<KQLogisticsModel> after = find(serviceAddresses(), "王强");
    ASSERT_TRUE(after.has_value());
    EXPECT_TRUE(after->default_receive);
}

TEST_F(AddressesE2E, EditingOneFieldKeepsTheIdentifiers) {
    const std::optional<KQLogisticsModel> before = find(serviceAddresses(), "刘洋");
    ASSERT_TRUE(before.has_value());
    ASSERT_FALSE(before->county.isEmpty());
    KQLogisticsCell* cell = cellOf(before->address_id);
    ASSERT_NE(cell, nullptr);
    QTest::mouseClick(cell->editButton, Qt::LeftButton);
    auto* editor = topAs<KQAddAddressVC>();
    ASSERT_NE(editor, nullptr);
    QLineEdit* phone = editor->addressView()->Telephone;
    phone->clear();
    type(phone, "15900159004");
    QTest::mouseClick(editor->saveButton(), Qt::LeftButton);
    ASSERT_EQ(topAs<KQSLogisticsVC>(), library);

    const std::optional<KQLogisticsModel> after = find(serviceAddresses(), "刘洋");
    ASSERT_TRUE(after.has_value());
    EXPECT_EQ(after->telephone, "15900159004");
    EXPECT_EQ(after->address_id, before->address_id);
    EXPECT_EQ(after->province_id, before->province_id);
    EXPECT_EQ(after->city_id, before->city_id);
    EXPECT_EQ(after->county, before->county);
    EXPECT_EQ(after->detail_address, before->detail_address);
}

} // namespace
