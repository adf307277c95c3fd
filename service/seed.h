#pragma once

#include <QString>

class Store;

inline constexpr qint64 kDemoShopId = 10001;
inline constexpr char kDemoMobile[] = "13800138000";
inline constexpr char kDemoPassword[] = "shop1234";

// Fills a new store with the demo shop, its times relative to `now` (ms since 1970).
bool seedDemoShop(Store& store, qint64 now);
