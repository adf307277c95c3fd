#include "platform/PropertyList.h"

#include <QDateTime>
#include <QFile>
#include <QXmlStreamReader>

namespace {

// Deeper nesting than this is refused rather than followed down the stack.
constexpr int kMaxDepth = 64;

class Reader {
public:
    explicit Reader(const QByteArray& xml) : xml_(xml) {}

    std::optional<QVariant> root() {
        if (!xml_.readNextStartElement() || xml_.name() != u"plist" ||
            !xml_.readNextStartElement()) {
            return std::nullopt;
        }
        std::optional<QVariant> value = element(0);
        // Nothing but the closing tag may follow the root value.
        if (!value || xml_.readNextStartElement() || xml_.hasError()) {
            return std::nullopt;
        }
        return value;
    }

private:
    // Reads the element the reader stands on, up to and including its end tag.
    std::optional<QVariant> element(int depth) {
        if (depth > kMaxDepth) {
            return std::nullopt;
        }
        const QStringView name = xml_.name();
        if (name == u"array") {
            return array(depth);
        }
        if (name == u"dict") {
            return dictionary(depth);
        }
        if (name == u"true" || name == u"false") {
            const bool value = name == u"true";
            xml_.skipCurrentElement();
            return QVariant(value);
        }
        const bool integer = name == u"integer";
        const bool real = name == u"real";
        const bool data = name == u"data";
        const bool date = name == u"date";
        if (name != u"string" && !integer && !real && !data && !date) {
            return std::nullopt;
        }
        const QString text = xml_.readElementText();
        if (xml_.hasError()) {
            return std::nullopt;
        }
        if (integer) {
            bool ok = false;
            const qint64 value = text.trimmed().toLongLong(&ok);
            return ok ? std::optional(QVariant(value)) : std::nullopt;
        }
        if (real) {
            bool ok = false;
            const double value = text.trimmed().toDouble(&ok);
            return ok ? std::optional(QVariant(value)) : std::nullopt;
        }
        if (data) {
            const auto decoded = QByteArray::fromBase64Encoding(
                text.simplified().remove(QLatin1Char(' ')).toLatin1(),
                QByteArray::AbortOnBase64DecodingErrors);
            return decoded ? std::optional(QVariant(*decoded)) : std::nullopt;
        }
        if (date) {
            QDateTime value = QDateTime::fromString(text.trimmed(), Qt::ISODate);
            return value.isValid() ? std::optional(QVariant(value.toUTC())) : std::nullopt;
        }
        return QVariant(text);
    }

    std::optional<QVariant> array(int depth) {
        QVariantList list;
        while (xml_.readNextStartElement()) {
            std::optional<QVariant> value = element(depth + 1);
            if (!value) {
                return std::nullopt;
            }
            list.append(*value);
        }
        return xml_.hasError() ? std::nullopt : std::optional(QVariant(list));
    }

    std::optional<QVariant> dictionary(int depth) {
        QVariantMap map;
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"key") {
                return std::nullopt;
            }
            const QString key = xml_.readElementText();
            if (xml_.hasError() || !xml_.readNextStartElement()) {
                return std::nullopt;
            }
            std::optional<QVariant> value = element(depth + 1);
            if (!value) {
                return std::nullopt;
            }
            map.insert(key, *value);
        }
        return xml_.hasError() ? std::nullopt : std::optional(QVariant(map));
    }

    QXmlStreamReader xml_;
};

} // namespace

std::optional<QVariant> PropertyList::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return parse(file.readAll());
}

std::optional<QVariant> PropertyList::parse(const QByteArray& xml) {
    return Reader(xml).root();
}
