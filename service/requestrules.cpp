#include "requestrules.h"

#include "shopservice.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr int kMaxPageSize = 100;
constexpr int kPbkdf2Rounds = 20000;

bool readCount(const Call& call, const QString& name, int& value, int minimum, int maximum) {
    const QString text = call.field(name);
    if (text.isEmpty()) {
        return true;
    }
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < minimum || number > maximum) {
        return false;
    }
    value = int(number);
    return true;
}

bool matches(const QString& pattern, const QString& text) {
    const QRegularExpression expression(QRegularExpression::anchoredPattern(pattern));
    return expression.match(text).hasMatch();
}

} // namespace

bool readPaging(const Call& call, Paging& paging) {
    return readCount(call, "start", paging.start, 0, 1000000) &&
           readCount(call, "size", paging.size, 1, kMaxPageSize);
}

bool readTimeBound(const QString& text, bool upper, qint64& ms) {
    ms = -1;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return true;
    }
    if (matches("[0-9]{1,15}", trimmed)) {
        ms = trimmed.toLongLong();
        return true;
    }
    for (const char* format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm"}) {
        const QDateTime time = QDateTime::fromString(trimmed, QString::fromLatin1(format));
        if (time.isValid()) {
            ms = time.toMSecsSinceEpoch() + (upper ? 999 : 0);
            return true;
        }
    }
    const QDate date = QDate::fromString(trimmed, "yyyy-MM-dd");
    if (!date.isValid()) {
        return false;
    }
    const QDateTime start = date.startOfDay();
    ms = upper ? date.addDays(1).startOfDay().toMSecsSinceEpoch() - 1 : start.toMSecsSinceEpoch();
    return true;
}

bool addTimeWindow(const Call& call, const QString& column, QStringList& clauses,
                   QVariantList& values) {
    qint64 from = -1;
    qint64 to = -1;
    if (!readTimeBound(call.field("start_time"), false, from) ||
        !readTimeBound(call.field("end_time"), true, to)) {
        return false;
    }
    if (from >= 0) {
        clauses.append(column + " >= ?");
        values.append(from);
    }
    if (to >= 0) {
        clauses.append(column + " <= ?");
        values.append(to);
    }
    return true;
}

QString containsPattern(const QString& text) {
    QString escaped = text;
    escaped.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return '%' + escaped + '%';
}

bool isMobileNumber(const QString& text) {
    return matches("1[3-9][0-9]{9}", text);
}

bool isValidPassword(const QString& text) {
    return matches("[^'\"]{6,16}", text);
}

bool isValidSubdomain(const QString& text) {
    return matches("[a-z0-9_-]{4,10}", text);
}

bool isValidPostcode(const QString& text) {
    return matches("[0-9]{6}", text);
}

bool isValidEmail(const QString& text) {
    return text.size() <= 100 && matches("[^@\\s]+@[^@\\s]+\\.[^@\\s]+", text);
}

bool readFlag(const QString& text, bool& flag) {
    if (text == "true" || text == "false") {
        flag = text == "true";
        return true;
    }
    return false;
}

QString newSalt() {
    QByteArray salt(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          salt.size() / int(sizeof(quint32)));
    return QString::fromLatin1(salt.toHex());
}

QString hashPassword(const QString& password, const QString& salt) {
    const QByteArray key =
        QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(),
                                           QByteArray::fromHex(salt.toLatin1()), kPbkdf2Rounds, 32);
    return QString::fromLatin1(key.toHex());
}

QString randomToken() {
    QByteArray bytes(32, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                          bytes.size() / int(sizeof(quint32)));
    return QString::fromLatin1(bytes.toHex());
}

qint64 nowMs() {
    return QDateTime::currentMSecsSinceEpoch();
}

double cents(double amount) {
    return std::round(amount * 100.0) / 100.0;
}

qint64 dayStart(qint64 ms) {
    return QDateTime::fromMSecsSinceEpoch(ms).date().startOfDay().toMSecsSinceEpoch();
}
