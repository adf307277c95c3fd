#pragma once

#include <QString>

// The provinces and cities that addresses and the shop profile refer to by identifier: the
// region list the client ships ("city.plist", compiled in here as well).

// Display names; an unknown identifier gives an empty name.
QString provinceName(const QString& provinceId);
QString cityName(const QString& cityId);

// True when every non-empty identifier is in the list and a city given with a province lies
// in that province. Empty identifiers pass: an address may leave its region unnamed.
bool regionIdsFit(const QString& provinceId, const QString& cityId);
