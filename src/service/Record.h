#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>
#include <cmath>
#include <concepts>
#include <functional>
#include <initializer_list>
#include <limits>
#include <optional>
#include <type_traits>
#include <vector>

// Records are plain structs whose members carry the service's JSON keys. Each record declares its
// fields once:
//
//     struct KQSExpressModel {
//         QString company_id;
//         QString name;
//         static const RecordFields<KQSExpressModel>& fields() {
//             static const RecordFields<KQSExpressModel> table{
//                 {"company_id", &KQSExpressModel::company_id},
//                 {"name", &KQSExpressModel::name}};
//             return table;
//         }
//     };
//
// and that one table drives JSON -> record, record -> JSON and the list of field names
// (RecordMapper below). Supported member types: QString, double, int, qint64, bool, QDateTime,
// QJsonValue/QJsonObject/QJsonArray (kept as sent), other records, std::optional of any of
// these, and QList of any of these.
//
// Reading is lenient, as the service is: numeric text is accepted for numbers, numbers become
// their decimal text in text fields, null gives empty/zero/false/no record, a missing key leaves
// the member as it is (empty on a fresh record), keys without a field are ignored.

template <class R> class RecordFields;

template <class R>
concept Record = requires {
    { R::fields() } -> std::same_as<const RecordFields<R>&>;
};

template <class T> struct IsOptional : std::false_type {};
template <class T> struct IsOptional<std::optional<T>> : std::true_type {};
template <class T> struct IsList : std::false_type {};
template <class T> struct IsList<QList<T>> : std::true_type {};

class RecordValue {
public:
    static QString numberText(double value) {
        if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9.0e15) {
            return QString::number(static_cast<qint64>(value));
        }
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    }

    // Reads a whole number; fractions are cut off, values that do not fit give nullopt.
    static std::optional<qint64> integer(const QJsonValue& value) {
        switch (value.type()) {
        case QJsonValue::Double: {
            constexpr qint64 sentinel = std::numeric_limits<qint64>::min();
            const qint64 exact = value.toInteger(sentinel);
            return exact != sentinel ? std::optional(exact) : fromDouble(value.toDouble());
        }
        case QJsonValue::String: {
            const QString text = value.toString().trimmed();
            bool ok = false;
            const qint64 exact = text.toLongLong(&ok);
            if (ok) {
                return exact;
            }
            const double real = text.toDouble(&ok);
            return ok ? fromDouble(real) : std::nullopt;
        }
        case QJsonValue::Bool:
            return value.toBool() ? 1 : 0;
        default:
            return std::nullopt;
        }
    }

    static void read(const QJsonValue& value, QString& out) {
        switch (value.type()) {
        case QJsonValue::String:
            out = value.toString();
            break;
        case QJsonValue::Double:
            out = integralText(value);
            break;
        case QJsonValue::Bool:
            out = value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
            break;
        default:
            out = QString();
        }
    }

    static void read(const QJsonValue& value, double& out) {
        bool ok = true;
        switch (value.type()) {
        case QJsonValue::Double:
            out = value.toDouble();
            break;
        case QJsonValue::String:
            out = value.toString().trimmed().toDouble(&ok);
            break;
        case QJsonValue::Bool:
            out = value.toBool() ? 1 : 0;
            break;
        default:
            out = 0;
        }
        if (!ok) {
            out = 0;
        }
    }

    static void read(const QJsonValue& value, qint64& out) { out = integer(value).value_or(0); }

    static void read(const QJsonValue& value, int& out) {
        const qint64 whole = integer(value).value_or(0);
        const bool fits =
            whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max();
        out = fits ? static_cast<int>(whole) : 0;
    }

    static void read(const QJsonValue& value, bool& out) {
        switch (value.type()) {
        case QJsonValue::Bool:
            out = value.toBool();
            break;
        case QJsonValue::Double:
            out = value.toDouble() != 0;
            break;
        case QJsonValue::String: {
            const QString text = value.toString().trimmed().toLower();
            bool numeric = false;
            const double number = text.toDouble(&numeric);
            out = numeric ? number != 0 : text == u"true" || text == u"yes";
            break;
        }
        default:
            out = false;
        }
    }

    static void read(const QJsonValue& value, QDateTime& out) {
        if (value.isString()) {
            out = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        } else if (value.isDouble()) {
            out = QDateTime::fromMSecsSinceEpoch(integer(value).value_or(0), Qt::UTC);
        } else {
            out = QDateTime();
        }
    }

    static void read(const QJsonValue& value, QJsonValue& out) { out = value; }
    static void read(const QJsonValue& value, QJsonObject& out) { out = value.toObject(); }
    static void read(const QJsonValue& value, QJsonArray& out) { out = value.toArray(); }

    template <Record R> static void read(const QJsonValue& value, R& out) {
        out = R{};
        if (value.isObject()) {
            R::fields().assign(out, value.toObject());
        }
    }

    template <class T> static void read(const QJsonValue& value, std::optional<T>& out) {
        if (value.isNull() || value.isUndefined() || (Record<T> && !value.isObject())) {
            out.reset();
            return;
        }
        T inner{};
        readFresh(value, inner);
        out = std::move(inner);
    }

    template <class T> static void read(const QJsonValue& value, QList<T>& out) {
        out.clear();
        const QJsonArray array = value.toArray();
        out.reserve(array.size());
        for (const QJsonValue& element : array) {
            if (Record<T> && !element.isObject()) {
                continue;
            }
            T item{};
            readFresh(element, item);
            out.append(std::move(item));
        }
    }

    static QJsonValue write(const QString& value) { return value; }
    static QJsonValue write(double value) { return value; }
    static QJsonValue write(qint64 value) { return value; }
    static QJsonValue write(int value) { return value; }
    static QJsonValue write(bool value) { return value; }
    static QJsonValue write(const QDateTime& value) {
        return value.isValid() ? QJsonValue(value.toUTC().toString(Qt::ISODateWithMs))
                               : QJsonValue(QJsonValue::Null);
    }
    static QJsonValue write(const QJsonValue& value) { return value; }
    static QJsonValue write(const QJsonObject& value) { return value; }
    static QJsonValue write(const QJsonArray& value) { return value; }

    template <Record R> static QJsonValue write(const R& value) {
        return R::fields().toJson(value);
    }

    template <class T> static QJsonValue write(const std::optional<T>& value) {
        return value ? write(*value) : QJsonValue(QJsonValue::Null);
    }

    template <class T> static QJsonValue write(const QList<T>& value) {
        QJsonArray array;
        for (const T& item : value) {
            array.append(write(item));
        }
        return array;
    }

private:
    // Reads into a value that was just default-constructed: records skip resetting it again.
    template <class T> static void readFresh(const QJsonValue& value, T& out) {
        if constexpr (Record<T>) {
            if (value.isObject()) {
                T::fields().assign(out, value.toObject());
            }
        } else {
            read(value, out);
        }
    }

    static std::optional<qint64> fromDouble(double real) {
        constexpr double limit = 9.2e18;
        if (!std::isfinite(real) || std::fabs(real) >= limit) {
            return std::nullopt;
        }
        return static_cast<qint64>(real);
    }

    static QString integralText(const QJsonValue& value) {
        constexpr qint64 sentinel = std::numeric_limits<qint64>::min();
        const qint64 exact = value.toInteger(sentinel);
        return exact != sentinel ? QString::number(exact) : numberText(value.toDouble());
    }
};

// One named member of record R; name is a string literal (it is kept, not copied).
template <class R> class RecordField {
public:
    template <class T>
    RecordField(const char* name, T R::*member)
        : name_(name), key_(QString::fromLatin1(name)),
          read_([member](R& record, const QJsonValue& value) {
              RecordValue::read(value, record.*member);
          }),
          write_([member](const R& record) { return RecordValue::write(record.*member); }),
          reset_([member](R& record) { record.*member = T{}; }) {}

    QLatin1StringView name() const { return name_; }
    const QString& key() const { return key_; }
    void read(R& record, const QJsonValue& value) const { read_(record, value); }
    QJsonValue write(const R& record) const { return write_(record); }
    void reset(R& record) const { reset_(record); }

private:
    QLatin1StringView name_;
    QString key_;
    std::function<void(R&, const QJsonValue&)> read_;
    std::function<QJsonValue(const R&)> write_;
    std::function<void(R&)> reset_;
};

// The field table of record R, in declaration order.
template <class R> class RecordFields {
public:
    RecordFields(std::initializer_list<RecordField<R>> fields) : fields_(fields) {
        for (size_t i = 0; i < fields_.size(); ++i) {
            index_.insert(fields_[i].key(), i);
        }
    }

    const std::vector<RecordField<R>>& all() const { return fields_; }

    const RecordField<R>* find(QLatin1StringView name) const {
        for (const RecordField<R>& field : fields_) {
            if (field.name() == name) {
                return &field;
            }
        }
        return nullptr;
    }

    // Key by key: members whose key is present take its value; the others stay as they are.
    void assign(R& record, const QJsonObject& object) const {
        for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
            const auto found = index_.constFind(it.key());
            if (found != index_.constEnd()) {
                fields_[*found].read(record, it.value());
            }
        }
    }

    QJsonObject toJson(const R& record) const {
        QJsonObject object;
        for (const RecordField<R>& field : fields_) {
            object.insert(field.name(), field.write(record));
        }
        return object;
    }

private:
    std::vector<RecordField<R>> fields_;
    QHash<QString, size_t> index_;
};

// The one JSON <-> record mapper of the app.
class RecordMapper {
public:
    template <Record R> static R fromJson(const QJsonObject& object) {
        R record{};
        R::fields().assign(record, object);
        return record;
    }

    // An array of objects -> records in order; anything else gives no records.
    template <Record R> static QList<R> listFromJson(const QJsonValue& array) {
        QList<R> records;
        RecordValue::read(array, records);
        return records;
    }

    template <Record R> static void assign(R& record, const QJsonObject& object) {
        R::fields().assign(record, object);
    }

    template <Record R> static QJsonObject toJson(const R& record) {
        return R::fields().toJson(record);
    }

    template <Record R> static QJsonArray toJson(const QList<R>& records) {
        return RecordValue::write(records).toArray();
    }

    template <Record R> static QStringList fieldNames() {
        QStringList names;
        for (const RecordField<R>& field : R::fields().all()) {
            names.append(field.name());
        }
        return names;
    }
};
