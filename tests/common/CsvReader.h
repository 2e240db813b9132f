#pragma once
// A strict RFC 4180 reader for checking written CSV text: records end with CR LF; a field is
// either plain (no comma, double quote, CR or LF) or wholly in double quotes with inner quotes
// doubled. Any text breaking these rules (a bare line feed, a quote inside a plain field, text
// after a closing quote, a last record without CR LF) is refused with the reason and position.
#include <QList>
#include <QString>
#include <QStringList>

namespace palvane::test {

inline bool readCsv(const QString& text, QList<QStringList>* records, QString* error) {
    records->clear();
    QStringList record;
    QString field;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto fail = [&](const char* why) {
        *error = QStringLiteral("%1 at character %2").arg(QLatin1String(why)).arg(i);
        return false;
    };
    while (i < n) {
        if (text[i] == QLatin1Char('"')) {
            ++i;
            for (;;) {
                if (i >= n)
                    return fail("unterminated quoted field");
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
        } else {
            while (i < n && text[i] != QLatin1Char(',') && text[i] != QLatin1Char('\r') &&
                   text[i] != QLatin1Char('\n')) {
                if (text[i] == QLatin1Char('"'))
                    return fail("quote inside a plain field");
                field += text[i++];
            }
        }
        if (i < n && text[i] == QLatin1Char(',')) {
            record << field;
            field.clear();
            ++i;
            continue;
        }
        if (i + 1 < n && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n')) {
            record << field;
            field.clear();
            *records << record;
            record.clear();
            i += 2;
            continue;
        }
        return fail(i < n ? "line break other than CR LF, or text after a quoted field"
                          : "last record without CR LF");
    }
    return true;
}

} // namespace palvane::test
