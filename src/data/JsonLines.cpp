#include "JsonLines.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <algorithm>

namespace palvane {

namespace {

// Deeper nesting than this is not walked (QJsonDocument itself refuses far less deep texts).
constexpr int MaxDepth = 1024;

} // namespace

QString jsonMemberPath(const QString& path, const QString& key) {
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString jsonIndexPath(const QString& path, qsizetype index) {
    return path + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

JsonLines::JsonLines(const QByteArray& text) : m_text(text) {
    skipBlanks();
    value(QString(), m_line);
}

int JsonLines::lineOfOffset(const QByteArray& text, qsizetype offset) {
    offset = std::clamp<qsizetype>(offset, 0, text.size());
    return int(std::count(text.begin(), text.begin() + offset, '\n')) + 1;
}

int JsonLines::line(const QString& path) const {
    QString p = path;
    while (true) {
        const auto it = m_lines.constFind(p);
        if (it != m_lines.constEnd())
            return it.value();
        if (p.isEmpty())
            return 1;
        // The enclosing value: drop the last ".member" or "[index]".
        const qsizetype cut = std::max(p.lastIndexOf(QLatin1Char('.')), p.lastIndexOf(QLatin1Char('[')));
        p = cut < 0 ? QString() : p.left(cut);
    }
}

void JsonLines::skipBlanks() {
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (c == '\n')
            ++m_line;
        else if (c != ' ' && c != '\t' && c != '\r')
            return;
        ++m_pos;
    }
}

QString JsonLines::string() {
    // m_pos is on the opening quote; the decoded text is read back through QJsonDocument so
    // escapes come out exactly as the parser reads them.
    const qsizetype start = m_pos++;
    while (m_pos < m_text.size() && m_text[m_pos] != '"') {
        if (m_text[m_pos] == '\\')
            ++m_pos;
        ++m_pos;
    }
    ++m_pos;
    const QByteArray literal = '[' + m_text.mid(start, m_pos - start) + ']';
    return QJsonDocument::fromJson(literal).array().at(0).toString();
}

void JsonLines::value(const QString& path, int line) {
    if (!m_lines.contains(path))
        m_lines.insert(path, line);
    if (m_pos >= m_text.size() || ++m_depth > MaxDepth) {
        m_pos = m_text.size();
        return;
    }
    const char c = m_text[m_pos];
    if (c == '{' || c == '[') {
        const bool object = c == '{';
        const char close = object ? '}' : ']';
        ++m_pos;
        qsizetype index = 0;
        while (true) {
            skipBlanks();
            if (m_pos >= m_text.size())
                break;
            if (m_text[m_pos] == close) {
                ++m_pos;
                break;
            }
            if (m_text[m_pos] == ',') {
                ++m_pos;
                continue;
            }
            if (object) {
                const int keyLine = m_line;
                const QString key = string();
                skipBlanks();
                ++m_pos; // ':'
                skipBlanks();
                value(jsonMemberPath(path, key), keyLine);
            } else {
                value(jsonIndexPath(path, index++), m_line);
            }
        }
    } else if (c == '"') {
        string();
    } else {
        while (m_pos < m_text.size() && !QByteArrayView(",]} \t\r\n").contains(m_text[m_pos]))
            ++m_pos;
    }
    --m_depth;
}

} // namespace palvane
