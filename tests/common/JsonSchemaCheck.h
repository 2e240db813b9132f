#pragma once
// A small JSON Schema validator for the keywords docs/plan.schema.json uses: type, const, enum,
// properties, required, additionalProperties (false), items, minimum, maximum, minLength,
// maxLength, oneOf and local "$ref": "#/$defs/NAME". A keyword it does not know fails the
// check, so the schema cannot outgrow the validator unnoticed.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cmath>

namespace palvane::test {

class JsonSchemaCheck {
public:
    explicit JsonSchemaCheck(const QJsonObject& schema) : m_root(schema) {}
    static QJsonObject load(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(f.readAll()).object();
    }
    // The problems of `value` against the whole schema; empty when it is valid.
    QStringList check(const QJsonValue& value) {
        QStringList problems;
        validate(m_root, value, QStringLiteral("$"), problems);
        return problems;
    }

private:
    static bool isInteger(const QJsonValue& v) {
        return v.isDouble() && std::floor(v.toDouble()) == v.toDouble();
    }
    static bool hasType(const QJsonValue& v, const QString& type) {
        if (type == QLatin1String("object"))
            return v.isObject();
        if (type == QLatin1String("array"))
            return v.isArray();
        if (type == QLatin1String("string"))
            return v.isString();
        if (type == QLatin1String("boolean"))
            return v.isBool();
        if (type == QLatin1String("number"))
            return v.isDouble();
        if (type == QLatin1String("integer"))
            return isInteger(v);
        if (type == QLatin1String("null"))
            return v.isNull();
        return false;
    }

    void validate(const QJsonObject& schema, const QJsonValue& v, const QString& at, QStringList& out) {
        static const QStringList annotations = {QStringLiteral("$schema"), QStringLiteral("$id"),
                                                QStringLiteral("title"), QStringLiteral("description"),
                                                QStringLiteral("$defs")};
        for (auto it = schema.begin(); it != schema.end(); ++it) {
            const QString key = it.key();
            const QJsonValue s = it.value();
            if (annotations.contains(key))
                continue;
            if (key == QLatin1String("$ref")) {
                const QString ref = s.toString();
                if (!ref.startsWith(QLatin1String("#/$defs/"))) {
                    out << at + QStringLiteral(": unsupported $ref ") + ref;
                    continue;
                }
                const QJsonValue target = m_root.value(QStringLiteral("$defs")).toObject().value(ref.mid(8));
                if (!target.isObject())
                    out << at + QStringLiteral(": unknown $ref ") + ref;
                else
                    validate(target.toObject(), v, at, out);
            } else if (key == QLatin1String("type")) {
                if (!hasType(v, s.toString()))
                    out << at + QStringLiteral(": not of type ") + s.toString();
            } else if (key == QLatin1String("const")) {
                if (v != s)
                    out << at + QStringLiteral(": not the constant");
            } else if (key == QLatin1String("enum")) {
                if (!s.toArray().contains(v))
                    out << at + QStringLiteral(": not in the enum");
            } else if (key == QLatin1String("minimum")) {
                if (v.isDouble() && v.toDouble() < s.toDouble())
                    out << at + QStringLiteral(": below the minimum");
            } else if (key == QLatin1String("maximum")) {
                if (v.isDouble() && v.toDouble() > s.toDouble())
                    out << at + QStringLiteral(": above the maximum");
            } else if (key == QLatin1String("minLength")) {
                if (v.isString() && v.toString().size() < s.toInt())
                    out << at + QStringLiteral(": too short");
            } else if (key == QLatin1String("maxLength")) {
                if (v.isString() && v.toString().size() > s.toInt())
                    out << at + QStringLiteral(": too long");
            } else if (key == QLatin1String("required")) {
                for (const QJsonValue& name : s.toArray())
                    if (v.isObject() && !v.toObject().contains(name.toString()))
                        out << at + QStringLiteral(": lacks ") + name.toString();
            } else if (key == QLatin1String("properties")) {
                const QJsonObject props = s.toObject();
                const QJsonObject o = v.toObject();
                for (auto p = props.begin(); p != props.end(); ++p)
                    if (v.isObject() && o.contains(p.key()))
                        validate(p.value().toObject(), o.value(p.key()), at + QLatin1Char('.') + p.key(),
                                 out);
            } else if (key == QLatin1String("additionalProperties")) {
                if (s.toBool(true) || !v.isObject())
                    continue;
                const QJsonObject props = schema.value(QStringLiteral("properties")).toObject();
                for (const QString& name : v.toObject().keys())
                    if (!props.contains(name))
                        out << at + QStringLiteral(": unexpected member ") + name;
            } else if (key == QLatin1String("items")) {
                const QJsonArray a = v.toArray();
                for (qsizetype i = 0; i < a.size(); ++i)
                    validate(s.toObject(), a.at(i), at + QStringLiteral("[%1]").arg(i), out);
            } else if (key == QLatin1String("oneOf")) {
                int matches = 0;
                for (const QJsonValue& alternative : s.toArray()) {
                    QStringList none;
                    validate(alternative.toObject(), v, at, none);
                    matches += none.isEmpty() ? 1 : 0;
                }
                if (matches != 1)
                    out << at + QStringLiteral(": matches %1 of the oneOf alternatives").arg(matches);
            } else {
                out << at + QStringLiteral(": the check does not know the keyword ") + key;
            }
        }
    }

    QJsonObject m_root;
};

} // namespace palvane::test
