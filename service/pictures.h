#pragma once

#include <QByteArray>
#include <QString>

// The service draws its own pictures, so the app needs no internet: goods photos,
// the default shop logo and buyer avatars, each a PNG that depends only on its
// kind and number. Returns an empty array for an unknown kind.
QByteArray drawPicture(const QString& kind, int number);
