#pragma once

#include "httpfront.h"

// Decodes an application/x-www-form-urlencoded body ('+' is a space).
// Returns false when the body is not valid form encoding or not UTF-8.
bool parseUrlEncoded(const QByteArray& body, QHash<QString, QString>& fields);

// Decodes a multipart/form-data body with the boundary taken from the content type.
bool parseMultipart(const QByteArray& contentType, const QByteArray& body,
                    QHash<QString, QString>& fields, QList<UploadedFile>& files);
