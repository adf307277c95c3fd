#include "formparser.h"

#include <QStringDecoder>

namespace {

bool decodeUtf8(const QByteArray& bytes, QString& text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool decodeFormComponent(QByteArray part, QString& text) {
    part.replace('+', ' ');
    for (qsizetype i = 0; i < part.size(); ++i) {
        if (part.at(i) == '%' &&
            (i + 2 >= part.size() || !isHex(part.at(i + 1)) || !isHex(part.at(i + 2)))) {
            return false;
        }
    }
    return decodeUtf8(QByteArray::fromPercentEncoding(part), text);
}

// The value of one parameter of a header such as `form-data; name="picture"`.
QByteArray headerParameter(const QByteArray& header, const QByteArray& name) {
    const QList<QByteArray> pieces = header.split(';');
    for (const QByteArray& piece : pieces) {
        const QByteArray trimmed = piece.trimmed();
        const qsizetype eq = trimmed.indexOf('=');
        if (eq <= 0 || trimmed.left(eq).trimmed().toLower() != name) {
            continue;
        }
        QByteArray value = trimmed.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
            value = value.mid(1, value.size() - 2);
        }
        return value;
    }
    return {};
}

struct PartHeaders {
    QByteArray disposition;
    QByteArray contentType;
};

PartHeaders readPartHeaders(const QByteArray& block) {
    PartHeaders headers;
    for (const QByteArray& line : block.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0) {
            continue;
        }
        const QByteArray key = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (key == "content-disposition") {
            headers.disposition = value;
        } else if (key == "content-type") {
            headers.contentType = value;
        }
    }
    return headers;
}

bool storePart(const QByteArray& part, QHash<QString, QString>& fields,
               QList<UploadedFile>& files) {
    const qsizetype headerEnd = part.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return false;
    }
    const PartHeaders headers = readPartHeaders(part.left(headerEnd));
    const QByteArray data = part.mid(headerEnd + 4);
    QString name;
    if (!headers.disposition.startsWith("form-data") ||
        !decodeUtf8(headerParameter(headers.disposition, "name"), name) || name.isEmpty()) {
        return false;
    }
    const QByteArray fileName = headerParameter(headers.disposition, "filename");
    if (headers.disposition.contains("filename=")) {
        UploadedFile file{name, QString::fromUtf8(fileName), headers.contentType, data};
        files.append(file);
        return true;
    }
    QString value;
    if (!decodeUtf8(data, value)) {
        return false;
    }
    fields.insert(name, value);
    return true;
}

} // namespace

bool parseUrlEncoded(const QByteArray& body, QHash<QString, QString>& fields) {
    const QByteArray trimmed = body.trimmed();
    if (trimmed.isEmpty()) {
        return true;
    }
    for (const QByteArray& pair : trimmed.split('&')) {
        if (pair.isEmpty()) {
            continue;
        }
        const qsizetype eq = pair.indexOf('=');
        QString key;
        QString value;
        if (!decodeFormComponent(eq < 0 ? pair : pair.left(eq), key) || key.isEmpty()) {
            return false;
        }
        if (eq >= 0 && !decodeFormComponent(pair.mid(eq + 1), value)) {
            return false;
        }
        fields.insert(key, value);
    }
    return true;
}

bool parseMultipart(const QByteArray& contentType, const QByteArray& body,
                    QHash<QString, QString>& fields, QList<UploadedFile>& files) {
    const QByteArray boundary = headerParameter(contentType, "boundary");
    if (boundary.isEmpty()) {
        return false;
    }
    const QByteArray delimiter = "--" + boundary;
    qsizetype pos = body.indexOf(delimiter);
    if (pos < 0) {
        return false;
    }
    while (true) {
        pos += delimiter.size();
        if (body.mid(pos, 2) == "--") {
            return true;
        }
        if (body.mid(pos, 2) != "\r\n") {
            return false;
        }
        pos += 2;
        const qsizetype next = body.indexOf("\r\n" + delimiter, pos);
        if (next < 0 || !storePart(body.mid(pos, next - pos), fields, files)) {
            return false;
        }
        pos = next + 2;
    }
}
