#include "orders/KQSortScrollView.h"
#include "ui/Style.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(SortStrip, OneTabAtATimeIsSelectedUnderlinedAndReportsItsFilter) {
    std::unique_ptr<KQSortScrollView> strip(KQSortScrollView::sortScrollViewWithArr(
        {QStringLiteral("全部"), QStringLiteral("待付款"), QStringLiteral("待发货")}, 2));
    strip->sortArray = {QString(), QStringLiteral("waitPay"), QStringLiteral("waitSend")};
    QStringList reported;
    strip->sortBtnBlock = [&](const QString& filter) { reported.append(filter); };
    const auto underlined = [&strip] {
        QList<int> red;
        for (int i = 0; i < strip->lineArr().size(); ++i) {
            if (strip->lineArr()[i]->grab().toImage().pixelColor(1, 1) == Style::selectedRed()) {
                red.append(i);
            }
        }
        return red;
    };
    EXPECT_EQ(strip->selectedIndex(), 2);
    EXPECT_EQ(underlined(), QList<int>{2});

    for (int tab : {1, 1, 0}) {
        QTest::mouseClick(strip->btnArr()[tab], Qt::LeftButton);
        EXPECT_EQ(strip->selectedIndex(), tab);
        EXPECT_EQ(underlined(), QList<int>{tab});
        int checked = 0;
        for (QPushButton* button : strip->btnArr()) {
            checked += button->isChecked() ? 1 : 0;
        }
        EXPECT_EQ(checked, 1);
    }
    EXPECT_EQ(reported, (QStringList{"waitPay", "waitPay", ""}));
}

} // namespace
