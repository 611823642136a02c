#include "ScenarioValue.h"

#include "RootName.h"
#include "Unicode.h"

#include <QStringList>

namespace {

struct TypeName {
    const char* word;
    uint32_t type;
};

const TypeName typeNames[] = {
    {"sz", REG_SZ},         {"expand_sz", REG_EXPAND_SZ}, {"multi_sz", REG_MULTI_SZ},
    {"dword", REG_DWORD},   {"binary", REG_BINARY},       {"none", REG_NONE},
};

std::vector<uint8_t> utf16Bytes(const QString& text)
{
    return toUtf16LeBytes(text.toStdU16String());
}

QString fromUtf16Bytes(const std::vector<uint8_t>& bytes)
{
    return QString::fromStdU16String(fromUtf16LeBytes(bytes));
}

bool isStringType(uint32_t type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// The text of a string value without its terminator (and anything after it, which
// programs reading the string never see).
QString stringText(const std::vector<uint8_t>& bytes)
{
    QString text = fromUtf16Bytes(bytes);
    const qsizetype end = text.indexOf(QChar(0));
    return end < 0 ? text : text.left(end);
}

// The items of a multi-string: up to the empty item that ends the list.
QStringList multiItems(const std::vector<uint8_t>& bytes)
{
    QString text = fromUtf16Bytes(bytes);
    while (text.endsWith(QChar(0)))
        text.chop(1);
    if (text.isEmpty())
        return {};
    return text.split(QChar(0));
}

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + escaped + u'"';
}

} // namespace

bool ScenarioValue::parseKey(const QString& key, HKEY& root, QString& path)
{
    const qsizetype separator = key.indexOf(u'\\');
    const QString rootText = separator < 0 ? key : key.left(separator);
    path = separator < 0 ? QString() : key.mid(separator + 1);
    const std::optional<HKEY> found = rootFromName(rootText.toStdString());
    if (found)
        root = *found;
    return found.has_value();
}

std::optional<uint32_t> ScenarioValue::parseType(const QString& word)
{
    for (const TypeName& name : typeNames)
        if (word == QLatin1String(name.word))
            return name.type;
    return std::nullopt;
}

QString ScenarioValue::typeName(uint32_t type)
{
    for (const TypeName& name : typeNames)
        if (name.type == type)
            return QLatin1String(name.word);
    return QStringLiteral("hex(%1)").arg(type, 0, 16);
}

std::optional<std::vector<uint8_t>> ScenarioValue::parseHex(const QString& text)
{
    QString digits = text;
    digits.remove(u' ').remove(u'\t');
    if (digits.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> bytes;
    for (qsizetype i = 0; i < digits.size(); i += 2) {
        bool ok = false;
        const uint value = digits.mid(i, 2).toUInt(&ok, 16);
        // toUInt accepts a sign or "0x"; two hex digits are all that is allowed here.
        if (!ok || !digits[i].isLetterOrNumber() || !digits[i + 1].isLetterOrNumber())
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return bytes;
}

QString ScenarioValue::hex(const std::vector<uint8_t>& bytes)
{
    QString text;
    for (uint8_t byte : bytes)
        text += QStringLiteral("%1").arg(byte, 2, 16, QChar(u'0'));
    return text;
}

std::optional<std::vector<uint8_t>> ScenarioValue::encode(uint32_t type, const QString& data)
{
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return utf16Bytes(data + QChar(0));
    case REG_MULTI_SZ: {
        QString joined;
        if (!data.isEmpty()) {
            for (const QString& item : data.split(QStringLiteral("\\0")))
                joined += item + QChar(0);
        }
        return utf16Bytes(joined + QChar(0));
    }
    case REG_DWORD: {
        bool ok = false;
        qint64 value = 0;
        if (data.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
            value = static_cast<qint64>(data.mid(2).toULongLong(&ok, 16));
        else
            value = data.toLongLong(&ok, 10);
        if (!ok || value < -2147483648LL || value > 4294967295LL)
            return std::nullopt;
        const auto word = static_cast<uint32_t>(value);
        return std::vector<uint8_t>{static_cast<uint8_t>(word), static_cast<uint8_t>(word >> 8),
                                    static_cast<uint8_t>(word >> 16), static_cast<uint8_t>(word >> 24)};
    }
    case REG_BINARY:
    case REG_NONE:
        return parseHex(data);
    default:
        return std::nullopt;
    }
}

bool ScenarioValue::matches(uint32_t type, const std::vector<uint8_t>& expected, uint32_t actualType,
                            const std::vector<uint8_t>& actual)
{
    if (type != actualType)
        return false;
    if (isStringType(type))
        return stringText(expected) == stringText(actual) && actual.size() % 2 == 0;
    if (type == REG_MULTI_SZ)
        return multiItems(expected) == multiItems(actual) && actual.size() % 2 == 0;
    return expected == actual;
}

QString ScenarioValue::describe(uint32_t type, const std::vector<uint8_t>& data)
{
    const QString name = typeName(type);
    if (isStringType(type) && data.size() % 2 == 0)
        return name + u' ' + quoted(stringText(data));
    if (type == REG_MULTI_SZ && data.size() % 2 == 0)
        return name + u' ' + quoted(multiItems(data).join(QStringLiteral("\\0")));
    if (type == REG_DWORD && data.size() == 4) {
        const uint32_t word = data[0] | (data[1] << 8) | (data[2] << 16) | (uint32_t(data[3]) << 24);
        return name + QStringLiteral(" 0x%1").arg(word, 8, 16, QChar(u'0'));
    }
    // Odd-sized strings and dwords of the wrong size show their bytes.
    return (name == QLatin1String("dword") || isStringType(type) || type == REG_MULTI_SZ
                ? QStringLiteral("hex(%1)").arg(type, 0, 16)
                : name) +
           u' ' + hex(data);
}
