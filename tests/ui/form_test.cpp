#include "platform/Switch.h"
#include "ui/FormRow.h"
#include "ui/KQTextView.h"
#include "ui/TextLimit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // one surrogate pair
const QString kAccented = QStringLiteral("e") + QChar(0x0301); // e and a combining mark
const QString kFlag = QString::fromUtf8("\xF0\x9F\x87\xA8\xF0\x9F\x87\xB3"); // two pairs

TEST(TextLimit, CutsBetweenCharactersOnly) {
    struct Case {
        QString text;
        int max;
        QString kept;
    };
    const QList<Case> cases{
        {"abcdef", 6, "abcdef"},
        {"abcdef", 4, "abcd"},
        {"一二三", 2, "一二"},
        {"abc" + kEmoji, 5, "abc" + kEmoji},
        {"abc" + kEmoji, 4, "abc"},
        {"abcd" + kEmoji + "x", 5, "abcd"},
        {"ab" + kAccented, 3, "ab"},
        {"ab" + kFlag, 4, "ab"},
        {"ab" + kFlag + "c", 6, "ab" + kFlag},
        {kEmoji, 1, ""},
        {"abc", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextLimit::cut(c.text, c.max), c.kept) << c.text.toStdString() << " to " << c.max;
    }
}

struct FormTest : ::testing::Test {
    QWidget window;
    QLineEdit* elsewhere = new QLineEdit(&window);
    void SetUp() override {
        window.resize(375, 300);
        elsewhere->setGeometry(0, 250, 100, 30);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST_F(FormTest, RowsNameTheirControlsAsTheOwnerSeesThem) {
    FormRow* name = FormRow::textField("联系人", "请输入您的姓名", &window);
    FormRow* province = FormRow::choice("选择省份", "请选择", &window);
    FormRow* toggle = FormRow::toggle("设为默认发货地址", &window);
    int y = 0;
    for (FormRow* row : {name, province, toggle}) {
        row->setGeometry(0, y, 375, 50);
        row->show();
        y += 50;
    }
    EXPECT_EQ(name->field()->accessibleName(), "请输入您的姓名");
    EXPECT_EQ(name->field()->alignment() & Qt::AlignRight, Qt::AlignRight);
    EXPECT_EQ(name->titleLabel()->text(), "联系人");
    EXPECT_TRUE(province->button()->accessibleName().contains("请选择"));
    province->setValue("浙江省");
    EXPECT_EQ(province->valueLabel()->text(), "浙江省");
    EXPECT_TRUE(province->button()->accessibleName().contains("浙江省"));
    EXPECT_EQ(province->button()->geometry(), province->rect());
    EXPECT_EQ(toggle->switchControl()->accessibleName(), "设为默认发货地址");
    EXPECT_LE(toggle->switchControl()->geometry().right(), 375 - FormRow::kSideMargin);

    QSignalSpy opened(province->button(), &QPushButton::clicked);
    QTest::mouseClick(province->childAt(60, 25), Qt::LeftButton);
    EXPECT_EQ(opened.count(), 1);
    name->field()->setFocus();
    QTest::keyClick(name->field(), Qt::Key_Return);
    EXPECT_FALSE(name->field()->hasFocus());
}

TEST_F(FormTest, TextViewCapsItsTextAndDoneEndsEditing) {
    auto* view = new KQTextView(&window);
    view->setGeometry(0, 0, 375, 100);
    view->setPlaceholder("请输入详细地址,不少于5个字");
    view->setMaxLength(10);
    view->setReturnEndsEditing(true);
    view->show();
    // The placeholder is longer than the cap and is never cut.
    view->setMaxLength(5);
    EXPECT_EQ(view->realText(), "请输入详细地址,不少于5个字");
    view->setMaxLength(10);
    view->setFocus();
    view->insertPlainText(QString(12, QChar(u'路')));
    EXPECT_EQ(view->text(), QString(10, QChar(u'路')));
    view->clear();
    view->insertPlainText(QString(9, QChar(u'路')) + kEmoji);
    EXPECT_EQ(view->text(), QString(9, QChar(u'路')));
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_FALSE(view->hasFocus());
    EXPECT_EQ(view->text(), QString(9, QChar(u'路')));
}

} // namespace
