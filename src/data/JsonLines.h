#pragma once
// Line numbers of the values of a JSON text, by their path ("containers[2].type"), so that a
// refusal can name the line of the input that holds the offending value. QJsonDocument checks
// the syntax; this scanner only walks a text that QJsonDocument accepted.
#include <QHash>
#include <QString>

namespace palvane {

class JsonLines {
public:
    // Scans `text` (UTF-8 JSON that QJsonDocument parsed without error).
    explicit JsonLines(const QByteArray& text);
    // The line (from 1) of the value at `path`: for an object member the line of its key, for
    // an array element the line where it starts; the line of the nearest enclosing value that
    // was found when the path is unknown, 1 at worst.
    int line(const QString& path) const;
    // The line (from 1) of a byte offset of the text.
    static int lineOfOffset(const QByteArray& text, qsizetype offset);

private:
    void value(const QString& path, int line);
    void skipBlanks();
    QString string();
    const QByteArray& m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
    int m_depth = 0;
    QHash<QString, int> m_lines;
};

// The path of member `key` of the object at `path`.
QString jsonMemberPath(const QString& path, const QString& key);
// The path of element `index` of the array at `path`.
QString jsonIndexPath(const QString& path, qsizetype index);

} // namespace palvane
