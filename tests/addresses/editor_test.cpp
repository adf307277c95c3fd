#include "AddressFixture.h"
#include "addresses/KQAddAddressVC.h"
#include "addresses/KQAddAddressView.h"
#include "addresses/RegionPicker.h"
#include "app/RCNavigationbar.h"
#include "platform/Switch.h"
#include "support/Typing.h"
#include "ui/FormRow.h"
#include "ui/KQTextView.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

namespace {

using namespace AddressPayload;

class EditorTest : public ScreenFixture {
protected:
    KQAddAddressVC* openEditor(const std::optional<KQLogisticsModel>& model) {
        auto* editor = push(new KQAddAddressVC(
            model ? QStringLiteral("编辑地址") : QStringLiteral("添加新地址"), model));
        form = editor->addressView();
        return editor;
    }
    static KQLogisticsModel record(const QJsonObject& json) {
        return RecordMapper::fromJson<KQLogisticsModel>(json);
    }
    // Types into a field and leaves it, as the owner does.
    void type(QWidget* input, const QString& text) {
        input->setFocus(Qt::MouseFocusReason);
        typeText(input, text);
        input->clearFocus();
    }
    void fillValidForm() {
        type(form->Username, "张伟");
        type(form->Telephone, "13800138001");
        type(form->messNum, "518000");
        type(form->detailAddress, "科技园南区高新南七道");
    }
    // Opens the picker from the province row and confirms the given rows.
    void pickRegion(int province, int city) {
        QTest::mouseClick(form->provinceRow()->button(), Qt::LeftButton);
        RegionPicker* picker = editor()->picker();
        ASSERT_NE(picker, nullptr);
        picker->wheel(0)->setCurrentRow(province);
        picker->wheel(1)->setCurrentRow(city);
        QTest::mouseClick(picker->confirmButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    KQAddAddressVC* editor() const { return qobject_cast<KQAddAddressVC*>(top()); }
    void save() { QTest::mouseClick(editor()->saveButton(), Qt::LeftButton); }

    KQAddAddressView* form = nullptr;
};

TEST_F(EditorTest, EditingFillsTheFormFromTheRecord) {
    QJsonObject json = address("4", "刘洋");
    json["default_send"] = true;
    openEditor(record(json));
    EXPECT_EQ(form->Username->text(), "刘洋");
    EXPECT_EQ(form->Telephone->text(), "13900139002");
    EXPECT_EQ(form->messNum->text(), "310000");
    EXPECT_EQ(form->proL->text(), "浙江省");
    EXPECT_EQ(form->cityL->text(), "杭州市");
    EXPECT_EQ(form->detailAddress->text(), "文三路90号东部软件园");
    EXPECT_FALSE(form->detailAddress->isShowingPlaceholder());
    EXPECT_TRUE(form->tolerantButton->isChecked());
    EXPECT_FALSE(form->backButton->isChecked());
    EXPECT_EQ(editor()->naviBar()->titleView->text(), "编辑地址");
    EXPECT_EQ(editor()->saveButton()->geometry(), QRect(0, 667 - 50, 375, 50));
}

TEST_F(EditorTest, AddingStartsEmptyWithNamedControls) {
    openEditor(std::nullopt);
    for (QLineEdit* field : {form->Username, form->Telephone, form->messNum}) {
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_EQ(field->accessibleName(), field->placeholderText());
    }
    EXPECT_EQ(form->Username->placeholderText(), "请输入您的姓名");
    EXPECT_EQ(form->proL->text(), "请选择");
    EXPECT_EQ(form->cityL->text(), "请选择");
    EXPECT_TRUE(form->provinceRow()->button()->accessibleName().contains("请选择"));
    EXPECT_TRUE(form->detailAddress->isShowingPlaceholder());
    EXPECT_EQ(form->detailAddress->realText(), "请输入详细地址,不少于5个字");
    EXPECT_FALSE(form->tolerantButton->isChecked());
    EXPECT_FALSE(form->backButton->isChecked());
    EXPECT_EQ(form->tolerantButton->accessibleName(), "设为默认发货地址");
    EXPECT_EQ(form->backButton->accessibleName(), "设为默认收货地址");
}

// The checks run in order and the first failing one speaks; nothing is sent.
TEST_F(EditorTest, SaveChecksStopAtTheFirstFailure) {
    struct Case {
        QString name, phone, postcode;
        bool region;
        QString detail;
        QString message;
    };
    const QList<Case> cases{
        {"", "123", "12", false, "", "用户名不能为空"},
        {"张伟", "123", "12", false, "", "请输入正确手机号码"},
        {"张伟", "13800138001", "51800", true, "科技园南区", "请输入正确邮编"},
        {"张伟", "13800138001", "5180000", true, "科技园南区", "请输入正确邮编"},
        {"张伟", "13800138001", "51800a", true, "科技园南区", "请输入正确邮编"},
        {"张伟", "13800138001", "518000", false, "科技园南区", "请选择地址"},
        {"张伟", "13800138001", "518000", true, "科技园南", "请输入不少于5个字的详细地址"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        openEditor(std::nullopt);
        form->Username->setText(c.name);
        form->Telephone->setText(c.phone);
        form->messNum->setText(c.postcode);
        form->detailAddress->setText(c.detail);
        if (c.region) {
            form->setRegion("广东省", "深圳市");
        }
        Clock::advance(2 * Toast::durationMs);
        save();
        EXPECT_EQ(Toast::visibleTexts(), QStringList({c.message}));
        pop();
    }
    EXPECT_TRUE(requestsTo("/address/save.do").isEmpty());
}

TEST_F(EditorTest, ADetailOfFiveCharactersPassesTheCheck) {
    peer.reply("/address/save.do", PeerReply::json(Envelope::success(address("9", "张伟"))));
    openEditor(std::nullopt);
    fillValidForm();
    form->detailAddress->setText("南山区一号");
    form->setRegion("广东省", "深圳市");
    save();
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsTo("/address/save.do").size(), 1);
}

TEST_F(EditorTest, AddingSendsEmptyIdentifiersOfTheRecordAndTheLookedUpRegion) {
    peer.reply("/address/save.do", PeerReply::json(Envelope::success(address("9", "张伟"))));
    openEditor(std::nullopt);
    fillValidForm();
    pickRegion(18, 2); // 广东省, its third city
    EXPECT_EQ(form->proL->text(), "广东省");
    EXPECT_EQ(form->cityL->text(), "深圳市");
    QTest::mouseClick(form->backButton, Qt::LeftButton);
    save();
    ASSERT_TRUE(settle());
    const QList<PeerRequest> saves = requestsTo("/address/save.do");
    ASSERT_EQ(saves.size(), 1);
    const PeerRequest& sent = saves.first();
    EXPECT_TRUE(sent.hasField("address_id"));
    EXPECT_EQ(sent.field("address_id"), "");
    EXPECT_EQ(sent.field("county"), "");
    EXPECT_EQ(sent.field("name"), "张伟");
    EXPECT_EQ(sent.field("telephone"), "13800138001");
    EXPECT_EQ(sent.field("postcode"), "518000");
    EXPECT_EQ(sent.field("province_id"), "440000");
    EXPECT_EQ(sent.field("province_name"), "广东省");
    EXPECT_EQ(sent.field("city_id"), "440300");
    EXPECT_EQ(sent.field("city_name"), "深圳市");
    EXPECT_EQ(sent.field("detail_address"), "科技园南区高新南七道");
    EXPECT_EQ(sent.field("default_send"), "false");
    EXPECT_EQ(sent.field("default_receive"), "true");
    EXPECT_TRUE(Toast::visibleTexts().contains("保存成功"));
    EXPECT_NE(top()->objectName(), "KQAddAddressVC");
}

// Unless the picker changed the region, the record's own identifiers and county go back, even
// when its names are not in the region list; a new city leaves the old county behind.
TEST_F(EditorTest, EditingKeepsTheRecordsIdentifiersUnlessTheRegionChanged) {
    QJsonObject json = address("4", "刘洋");
    json["province_id"] = "330000";
    json["province_name"] = "浙江";
    json["city_id"] = "330782";
    json["city_name"] = "义乌";
    json["county"] = "稠城街道";
    peer.reply("/address/save.do", PeerReply::json(Envelope::success(json)));

    openEditor(record(json));
    form->detailAddress->setText("文三路90号东部软件园二区");
    save();
    ASSERT_TRUE(settle());
    openEditor(record(json));
    pickRegion(1, 0); // 天津市, 天津市
    save();
    ASSERT_TRUE(settle());

    const QList<PeerRequest> saves = requestsTo("/address/save.do");
    ASSERT_EQ(saves.size(), 2);
    EXPECT_EQ(saves[0].field("address_id"), "4");
    EXPECT_EQ(saves[0].field("province_id"), "330000");
    EXPECT_EQ(saves[0].field("city_id"), "330782");
    EXPECT_EQ(saves[0].field("county"), "稠城街道");
    EXPECT_EQ(saves[0].field("detail_address"), "文三路90号东部软件园二区");
    EXPECT_EQ(saves[1].field("address_id"), "4");
    EXPECT_EQ(saves[1].field("province_id"), "120000");
    EXPECT_EQ(saves[1].field("city_id"), "120100");
    EXPECT_EQ(saves[1].field("city_name"), "天津市");
    EXPECT_EQ(saves[1].field("county"), "");
}

// However slow the service, one touch of "保存" is one request: the button reacts again only
// once its request has finished.
TEST_F(EditorTest, SaveReactsAgainOnlyWhenItsRequestHasFinished) {
    PeerReply slow = PeerReply::json(Envelope::failure("服务繁忙"));
    slow.delayMs = 400;
    peer.reply("/address/save.do", slow);
    openEditor(std::nullopt);
    fillValidForm();
    form->setRegion("广东省", "深圳市");
    save();
    ASSERT_TRUE(peer.waitForRequest("/address/save.do"));
    Clock::advance(4000);
    QCoreApplication::processEvents();
    EXPECT_FALSE(editor()->saveButton()->isEnabled());
    save();
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsTo("/address/save.do").size(), 1);
    // Refused: the editor stays with the owner's input and can save again.
    EXPECT_TRUE(editor()->saveButton()->isEnabled());
    EXPECT_EQ(form->Username->text(), "张伟");
    EXPECT_TRUE(Toast::visibleTexts().contains("服务繁忙"));
    peer.reply("/address/save.do", PeerReply::json(Envelope::success(address("9", "张伟"))));
    save();
    ASSERT_TRUE(settle());
    EXPECT_EQ(requestsTo("/address/save.do").size(), 2);
}

TEST_F(EditorTest, TheNameIsCutToTenWithoutSplittingACharacter) {
    openEditor(std::nullopt);
    struct Case {
        QString typed, kept;
    };
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    for (const Case& c : {Case{"一二三四五六七八九十", "一二三四五六七八九十"},
                          Case{"一二三四五六七八九十壹", "一二三四五六七八九十"},
                          Case{"一二三四五六七八九" + emoji, "一二三四五六七八九"}}) {
        Clock::advance(2 * Toast::durationMs);
        form->Username->clear();
        type(form->Username, c.typed);
        EXPECT_EQ(form->Username->text(), c.kept) << c.typed.toStdString();
        EXPECT_EQ(Toast::visibleTexts().contains("用户名不超过10位"), c.typed != c.kept);
    }
}

TEST_F(EditorTest, FieldsWarnWhenLeftInvalidAndKeepTheirText) {
    openEditor(std::nullopt);
    type(form->Telephone, "12345");
    EXPECT_TRUE(Toast::visibleTexts().contains("请输入正确手机号码"));
    type(form->messNum, "5180");
    EXPECT_TRUE(Toast::visibleTexts().contains("请输入正确邮编"));
    EXPECT_EQ(form->Telephone->text(), "12345");
    EXPECT_EQ(form->messNum->text(), "5180");
}

TEST_F(EditorTest, TheStreetIsCappedAtFiftyAndDoneEndsEditing) {
    openEditor(std::nullopt);
    form->detailAddress->setFocus(Qt::MouseFocusReason);
    form->detailAddress->insertPlainText(QString(60, QChar(u'路')));
    EXPECT_EQ(form->detailAddress->text(), QString(50, QChar(u'路')));
    form->detailAddress->clear();
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8F\xA0");
    form->detailAddress->insertPlainText(QString(49, QChar(u'路')) + emoji);
    EXPECT_EQ(form->detailAddress->text(), QString(49, QChar(u'路')));
    QTest::keyClick(form->detailAddress, Qt::Key_Return);
    EXPECT_FALSE(form->detailAddress->hasFocus());
    EXPECT_FALSE(form->detailAddress->text().contains(QLatin1Char('\n')));
}

TEST_F(EditorTest, OnePickerAtATimeGoneWhenTheScreenLeaves) {
    openEditor(std::nullopt);
    type(form->Username, "张伟");
    form->Username->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(form->cityRow()->button(), Qt::LeftButton);
    QPointer<RegionPicker> first = editor()->picker();
    ASSERT_TRUE(first);
    EXPECT_FALSE(form->Username->hasFocus());
    EXPECT_EQ(first->geometry(), QRect(0, 667 - 256, 375, 256));
    QTest::mouseClick(form->provinceRow()->button(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first);
    QPointer<RegionPicker> second = editor()->picker();
    ASSERT_TRUE(second);
    shoot("addresses-editor-picker");
    QTest::mouseClick(second->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(form->proL->text(), "请选择");
    QTest::mouseClick(form->provinceRow()->button(), Qt::LeftButton);
    QPointer<RegionPicker> third = editor()->picker();
    pop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(third);
}

TEST_F(EditorTest, GoingBackWithoutSavingSendsNothing) {
    openEditor(record(address("4", "刘洋")));
    form->Username->setText("改名");
    pop();
    ASSERT_TRUE(settle());
    EXPECT_TRUE(requestsTo("/address/save.do").isEmpty());
}

} // namespace
