#include "stats/StatsScreens.h"

#include "app/ScreenClasses.h"
#include "app/TabBarButton.h"
#include "app/Tour.h"
#include "stats/KQSDataBottomBar.h"
#include "stats/KQSDataStatisticsVC.h"
#include "stats/StatsPeriod.h"
#include "ui/KQSBottumsView.h"

#include <QPushButton>

namespace {

const char* const kKindNames[] = {"visitors", "orders", "revenue"};

// Opens the screen and touches the period tab, then the kind tab, as the owner would.
void showStatistics(int period, int kind) {
    auto* screen = new KQSDataStatisticsVC;
    Tour::push(screen);
    if (period != 0) {
        screen->topBar()->btns().at(period)->click();
    }
    if (kind != 0) {
        screen->bottomBar()->btns().at(kind)->click();
    }
}

} // namespace

void registerStatsScreens() {
    ScreenClasses::add(QStringLiteral("KQSDataStatisticsVC"),
                       [] { return new KQSDataStatisticsVC; });

    for (const int period : {0, 2}) {
        for (int kind = 0; kind < 3; ++kind) {
            const QString name = QStringLiteral("stats-%1-%2")
                                     .arg(QString::fromLatin1(kKindNames[kind]))
                                     .arg(StatsPeriod::days(period));
            Tour::add({name, [period, kind] { showStatistics(period, kind); }});
        }
    }
    Tour::add({QStringLiteral("stats-empty-shop"), [] { showStatistics(0, 0); }, false,
               QString::fromLatin1(Tour::kEmptyShopMobile)});
}
