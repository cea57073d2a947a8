#pragma once
// Records written to and read from JSON through one list of their fields.
// A record names its fields once, in a function found by argument-dependent
// lookup:
//     template <class F> void fields(Record &record, F &&field)
// calling field("key", member) for each member; an enum names its values in
// namesOf(Enum), an array of {value, "name"} pairs. A value equal to its
// type's default is left out and reads back as the default, so a record to
// read starts default-constructed. Strings, booleans, integers, enums,
// records, JSON objects, optionals and sequences of these are supported.

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace json_fields {

template <class T> inline constexpr bool kOptional = false;
template <class T> inline constexpr bool kOptional<std::optional<T>> = true;

template <class T>
concept FieldRecord = requires(T &record)
{
    fields(record, [](const char *, auto &) {});
};

template <class T> QJsonValue toJson(const T &value);

struct Writer {
    QJsonObject object;
    template <class T> void operator()(const char *key, const T &value)
    {
        if (!(value == T{}))
            object.insert(QLatin1StringView(key), toJson(value));
    }
};

template <class T> QJsonValue toJson(const T &value)
{
    if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, bool> || std::is_same_v<T, QJsonObject>) {
        return value;
    } else if constexpr (std::is_enum_v<T>) {
        for (const auto &[known, name] : namesOf(T{}))
            if (known == value)
                return QLatin1StringView(name);
        return {};
    } else if constexpr (std::is_integral_v<T>) {
        return static_cast<qint64>(value);
    } else if constexpr (kOptional<T>) {
        return toJson(*value);
    } else if constexpr (FieldRecord<T>) {
        T copy = value; // fields() takes a record it may fill
        Writer writer;
        fields(copy, writer);
        return writer.object;
    } else {
        QJsonArray array;
        for (const auto &item : value)
            array.append(toJson(static_cast<const typename T::value_type &>(item)));
        return array;
    }
}

template <class T> bool fromJson(const QJsonValue &json, T &value);

struct Reader {
    QJsonObject object;
    bool ok = true;
    template <class T> void operator()(const char *key, T &value)
    {
        const QJsonValue json = object.value(QLatin1StringView(key));
        if (!json.isUndefined())
            ok = fromJson(json, value) && ok;
    }
};

// False when the JSON value is not of the value's type.
template <class T> bool fromJson(const QJsonValue &json, T &value)
{
    if constexpr (std::is_same_v<T, QString>) {
        value = json.toString();
        return json.isString();
    } else if constexpr (std::is_same_v<T, bool>) {
        value = json.toBool();
        return json.isBool();
    } else if constexpr (std::is_same_v<T, QJsonObject>) {
        value = json.toObject();
        return json.isObject();
    } else if constexpr (std::is_enum_v<T>) {
        for (const auto &[known, name] : namesOf(T{}))
            if (json.toString() == QLatin1StringView(name)) {
                value = known;
                return true;
            }
        return false;
    } else if constexpr (std::is_integral_v<T>) {
        const double number = json.toDouble(0.5); // a value that is no number reads as 0.5 and is refused
        if (number != std::trunc(number) || number < static_cast<double>(std::numeric_limits<T>::min())
            || number > static_cast<double>(std::numeric_limits<T>::max()))
            return false;
        value = static_cast<T>(number);
        return true;
    } else if constexpr (kOptional<T>) {
        value.emplace();
        return fromJson(json, *value);
    } else if constexpr (FieldRecord<T>) {
        Reader reader{json.toObject()};
        fields(value, reader);
        return json.isObject() && reader.ok;
    } else {
        value.clear();
        const QJsonArray array = json.toArray();
        for (const QJsonValue &element : array) {
            typename T::value_type item{};
            if (!fromJson(element, item))
                return false;
            value.push_back(std::move(item));
        }
        return json.isArray();
    }
}

} // namespace json_fields
