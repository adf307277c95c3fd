#pragma once

#include <QString>

class Store;

inline constexpr qint64 kDemoShopId = 10001;
inline constexpr char kDemoMobile[] = "13800138000";
inline constexpr char kDemoPassword[] = "shop1234";

// The second demo owner, whose shop is empty: no goods, orders, trades, statistics or payout
// account. Same password as the first.
inline constexpr qint64 kEmptyShopId = 10002;
inline constexpr char kEmptyShopMobile[] = "13900139000";

// Fills a new store with the demo shop, its times relative to `now` (ms since 1970).
bool seedDemoShop(Store& store, qint64 now);
// Adds the empty shop unless the store has it already, so older demo folders get it too.
bool seedEmptyShop(Store& store);
