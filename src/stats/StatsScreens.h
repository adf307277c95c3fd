#pragma once

// Registers the statistics screen ("KQSDataStatisticsVC", opened by the dashboard's tile
// "数据统计") by class name, and its steps of the demo tour.
void registerStatsScreens();
