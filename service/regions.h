#pragma once

#include <QString>

// Names of the provinces and cities the shop profile refers to by identifier
// (administrative division codes). Unknown identifiers give an empty name.
QString provinceName(const QString& provinceId);
QString cityName(const QString& cityId);
