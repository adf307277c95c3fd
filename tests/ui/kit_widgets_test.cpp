#include "platform/Clock.h"
#include "ui/KQBaseTableView.h"
#include "ui/KQSBottumsView.h"
#include "ui/KQTextView.h"
#include "ui/MXLabel.h"
#include "ui/Style.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A text view inside a window with a second focusable field, so that editing can begin and end.
struct TextViewFixture : ::testing::Test {
    QWidget window;
    KQTextView* view = new KQTextView(&window);
    QLineEdit* other = new QLineEdit(&window);

    void SetUp() override {
        window.resize(300, 200);
        other->move(0, 150);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        endEditing();
        view->setPlaceholder(QStringLiteral("请输入回复内容"));
    }
    void beginEditing() { view->setFocus(Qt::MouseFocusReason); }
    void endEditing() { other->setFocus(Qt::MouseFocusReason); }
    QColor shownColor() const { return view->palette().color(QPalette::Text); }
};

TEST_F(TextViewFixture, PlaceholderIsShownButNeverReturned) {
    EXPECT_EQ(view->realText(), "请输入回复内容");
    EXPECT_EQ(view->text(), "");
    EXPECT_EQ(shownColor(), view->placeholderColor());
    EXPECT_EQ(view->accessibleName(), "请输入回复内容");
}

TEST_F(TextViewFixture, TypingThenClearingBringsThePlaceholderBack) {
    beginEditing();
    EXPECT_EQ(view->realText(), "");
    QTest::keyClicks(view, "hello");
    EXPECT_EQ(view->text(), "hello");
    EXPECT_EQ(shownColor(), view->realTextColor());
    view->selectAll();
    QTest::keyClick(view, Qt::Key_Backspace);
    endEditing();
    EXPECT_EQ(view->text(), "");
    EXPECT_EQ(view->realText(), "请输入回复内容");
    EXPECT_EQ(shownColor(), view->placeholderColor());
}

TEST_F(TextViewFixture, EmptyTextShowsThePlaceholderInItsColour) {
    view->setText(QStringLiteral("已有内容"));
    EXPECT_EQ(view->text(), "已有内容");
    view->setText(QString());
    EXPECT_EQ(view->realText(), "请输入回复内容");
    EXPECT_EQ(shownColor(), view->placeholderColor());
}

TEST_F(TextViewFixture, TypingThePlaceholderWordsReadsAsEmpty) {
    beginEditing();
    // Key clicks carry Latin text only; Chinese arrives through the input method as a commit.
    view->insertPlainText(QStringLiteral("请输入回复内容"));
    EXPECT_EQ(view->text(), "");
}

TEST_F(TextViewFixture, ColoursFollowWhatIsDisplayed) {
    view->setTextColor(Qt::blue);
    EXPECT_EQ(shownColor(), view->placeholderColor()) << "placeholder keeps its colour";
    EXPECT_EQ(view->realTextColor(), QColor(Qt::blue));
    view->setPlaceholderColor(Qt::green);
    EXPECT_EQ(shownColor(), QColor(Qt::green));
    view->setPlaceholder(QStringLiteral("新的提示"));
    EXPECT_EQ(view->realText(), "新的提示");
    view->setText(QStringLiteral("正文"));
    EXPECT_EQ(shownColor(), QColor(Qt::blue));
}

// The indexes of the underlines drawn in the selected red.
QList<int> redLines(const QList<QWidget*>& lines) {
    QList<int> red;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i]->grab().toImage().pixelColor(1, 1) == Style::selectedRed()) {
            red.append(i);
        }
    }
    return red;
}

TEST(TabStrip, TouchSelectsAndReportsCodeSelectsSilently) {
    KQSBottumsView strip;
    strip.resize(375, KQSBottumsView::kHeight);
    QList<int> reported;
    strip.indexBlock = [&](int index) { reported.append(index); };
    strip.setTitles({QStringLiteral("全部"), QStringLiteral("未回复"), QStringLiteral("已回复"),
                     QStringLiteral("多余")});
    ASSERT_EQ(strip.btns().size(), 3);
    EXPECT_EQ(strip.selectedIndex(), 0);
    EXPECT_EQ(strip.btns()[1]->geometry(), QRect(125, 0, 125, 50));
    EXPECT_EQ(strip.lines()[1]->geometry(), QRect(162, 48, 50, 2));

    QTest::mouseClick(strip.btns()[1], Qt::LeftButton);
    EXPECT_EQ(reported, QList<int>{1});
    EXPECT_EQ(strip.selectedIndex(), 1);
    EXPECT_TRUE(strip.btns()[1]->isChecked());
    EXPECT_FALSE(strip.btns()[0]->isChecked());
    EXPECT_EQ(redLines(strip.lines()), QList<int>{1});

    QTest::mouseClick(strip.btns()[1], Qt::LeftButton);
    EXPECT_EQ(reported, (QList<int>{1, 1})) << "touching the selected tab reports again";
    EXPECT_TRUE(strip.btns()[1]->isChecked());

    strip.scrollBtnChangeWithIndex(2);
    EXPECT_EQ(strip.selectedIndex(), 2);
    EXPECT_EQ(redLines(strip.lines()), QList<int>{2});
    EXPECT_EQ(reported.size(), 2) << "selection from code is not reported";

    strip.scrollBtnChangeWithIndex(7);
    EXPECT_EQ(strip.selectedIndex(), -1);
    for (QPushButton* b : strip.btns()) {
        EXPECT_FALSE(b->isChecked());
    }
    EXPECT_TRUE(redLines(strip.lines()).isEmpty());

    strip.setTitles({QStringLiteral("销售中"), QStringLiteral("已售罄"), QStringLiteral("仓库中")});
    EXPECT_EQ(strip.selectedIndex(), 0);
    EXPECT_EQ(redLines(strip.lines()), QList<int>{0});
    QTest::mouseClick(strip.btns()[2], Qt::LeftButton);
    EXPECT_EQ(reported.last(), 2);
    EXPECT_EQ(redLines(strip.lines()), QList<int>{2});
}

TEST(CopyableLabel, LongPressOffersCopy) {
    Clock::useTestClock(QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    MXLabel label(QStringLiteral("SF1234567890"));
    label.resize(200, 20);
    label.show();
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    Clock::advance(MXLabel::kLongPressMs - 1);
    EXPECT_EQ(label.copyMenu(), nullptr);
    Clock::advance(1);
    ASSERT_NE(label.copyMenu(), nullptr);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
    const QList<QAction*> actions = label.copyMenu()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), "复制");
    QGuiApplication::clipboard()->clear();
    actions[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "SF1234567890");
    Clock::useRealClock();
}

TEST(CopyableLabel, ShortPressOffersNothing) {
    Clock::useTestClock(QDateTime(QDate(2026, 1, 1), QTime(8, 0)));
    MXLabel label(QStringLiteral("SF1"));
    label.show();
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    Clock::advance(100);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    Clock::advance(1000);
    EXPECT_EQ(label.copyMenu(), nullptr);
    Clock::useRealClock();
}

TEST(EmptyState, NullViewLiesOverTheRowsWithItsPictureCentred) {
    KQBaseTableView table;
    table.resize(375, 500);
    table.show();
    EXPECT_FALSE(table.hasNullView());
    KQNullView* empty = table.nullView();
    EXPECT_EQ(table.nullView(), empty) << "made once";
    EXPECT_EQ(table.overlayView(), empty);
    QTRY_COMPARE(empty->size(), table.viewport()->size());
    EXPECT_EQ(empty->picture()->geometry(),
              QRect((375 - 150) / 2, (table.viewport()->height() - 158) / 2, 150, 158));
    EXPECT_FALSE(empty->picture()->pixmap().isNull());
}

} // namespace
