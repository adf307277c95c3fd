#pragma once

// Registers the goods screen ("KQSGoodsVC", opened by the dashboard tile "商品管理") with the
// screen classes, and the goods screens with the demo tour.
void registerGoodsScreens();
