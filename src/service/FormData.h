#pragma once

#include <QByteArray>
#include <QString>

// One file part of a multipart post.
struct FormData {
    QByteArray data;
    QString name;     // the form field name of the part
    QString filename; // the file name announced in the part
    QString mimeType; // the part's content type
};
