#include "platform/Printers.h"
#include "ui/SearchBar.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ShownBar {
    explicit ShownBar(const SearchBar::Options& options) : bar(new SearchBar(options, &screen)) {
        screen.resize(375, 667);
        bar->setGeometry(0, 0, 375, SearchBar::Height);
        screen.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&screen));
    }
    QWidget screen;
    SearchBar* bar;
};

TEST(SearchBar, ReturnSearchesWithTheTextAsTypedEvenWhenEmpty) {
    ShownBar shown({QStringLiteral(" 搜索商品名称")});
    QSignalSpy searched(shown.bar, &SearchBar::searchRequested);
    QLineEdit* field = shown.bar->searchField();
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClicks(field, QStringLiteral(" abc"));
    QTest::keyClick(field, Qt::Key_Enter);
    ASSERT_EQ(searched.size(), 2);
    EXPECT_EQ(searched.at(0).at(0).toString(), "");
    EXPECT_EQ(searched.at(1).at(0).toString(), " abc");
    EXPECT_EQ(shown.bar->text(), " abc");
    EXPECT_EQ(field->inputMethodQuery(Qt::ImEnterKeyType).toInt(), int(Qt::EnterKeySearch));
}

TEST(SearchBar, CancelReportsAndIsDarkText) {
    ShownBar shown({QStringLiteral(" 搜索商品名称")});
    QSignalSpy cancelled(shown.bar, &SearchBar::cancelled);
    QSignalSpy searched(shown.bar, &SearchBar::searchRequested);
    QPushButton* cancel = shown.bar->findChild<QPushButton*>("rigtBtn");
    ASSERT_EQ(cancel, shown.bar->cancelButton());
    EXPECT_EQ(cancel->text(), "取消");
    EXPECT_EQ(cancel->palette().color(QPalette::ButtonText), QColor(56, 56, 56));
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(cancelled.size(), 1);
    EXPECT_TRUE(searched.isEmpty());
}

TEST(SearchBar, TheFieldIsNamedByItsPlaceholderAndShowsTheMagnifierAtItsLeft) {
    ShownBar shown({QStringLiteral(" 搜索商品名称")});
    QLineEdit* field = shown.bar->findChild<QLineEdit*>("searchField");
    ASSERT_EQ(field, shown.bar->searchField());
    EXPECT_EQ(field->placeholderText(), " 搜索商品名称");
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(field);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(QAccessible::Name), "搜索商品名称");
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(240, 241, 245));

    auto* magnifier = field->findChild<QLabel*>("searchImage");
    ASSERT_NE(magnifier, nullptr);
    EXPECT_TRUE(magnifier->isVisible());
    EXPECT_EQ(magnifier->size(), QSize(28, 28));
    EXPECT_LE(magnifier->x(), 2);
    EXPECT_FALSE(magnifier->pixmap().isNull());
    EXPECT_GE(field->textMargins().left(), magnifier->geometry().right());
}

// Where each search screen wants its field and "取消" (a 375-point-wide screen).
TEST(SearchBar, EachScreenPlacesCancelAndFieldItsOwnWay) {
    using Side = SearchBar::CancelSide;
    struct Case {
        const char* screen;
        SearchBar::Options options;
        QRect cancel;
        QRect field;
    };
    const Case cases[] = {
        {"orders and comments",
         {" 搜索商品名称", Side::Right, 0},
         {324, 20, 40, 44},
         {11, 26, 303, 32}},
        {"trading records", {" 搜索商品名称", Side::Left, 0}, {11, 20, 40, 44}, {61, 26, 303, 32}},
        {"goods, beside the category button",
         {" 搜索商品名称", Side::Right, 96},
         {324, 20, 40, 44},
         {107, 26, 207, 32}},
    };
    for (const Case& c : cases) {
        ShownBar shown(c.options);
        EXPECT_EQ(shown.bar->height(), 64) << c.screen;
        EXPECT_EQ(shown.bar->cancelButton()->geometry(), c.cancel) << c.screen;
        EXPECT_EQ(shown.bar->searchField()->geometry(), c.field) << c.screen;
    }
}

} // namespace
