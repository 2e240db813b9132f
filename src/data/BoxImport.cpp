// Reading and checking the lines of a box import file.
#include "BoxImport.h"

#include <utility>

namespace palvane {

ImportColumns importColumns(int order) {
    ImportColumns c; // order 0: Q'ty Kind Length Width Weight Mark
    switch (order) {
    case 1:
        c.qty = 2, c.kind = 1, c.length = 3, c.width = 4;
        break;
    case 2:
        c.qty = 4, c.kind = 1, c.length = 2, c.width = 3;
        break;
    case 3:
        c.qty = 5, c.kind = 1, c.length = 2, c.width = 3, c.weight = 4;
        break;
    default:
        break;
    }
    return c;
}

ImportSeparators importSeparators(int separ) {
    ImportSeparators s;
    if (separ == 1)
        s.first = s.second = QLatin1Char(',');
    return s;
}

bool SplitLine(const QString& line, const ImportSeparators& separators, QStringList* fields) {
    fields->clear();
    const qsizetype n = line.size();
    const bool commas = separators.commas();
    auto isSep = [&](qsizetype i) { return line[i] == separators.first || line[i] == separators.second; };
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!isSep(i))
            continue;
        if (!commas && (i == 0 || isSep(i - 1)))
            continue;
        if (fields->size() == MaxLineFields)
            return false;
        fields->append(line.mid(start, i - start));
        start = i + 1;
    }
    if (n > 0 && !isSep(n - 1)) {
        if (fields->size() == MaxLineFields)
            return false;
        fields->append(line.mid(start));
    }
    return true;
}

namespace {

// Blanks (and any other character up to the blank) removed from both ends.
QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] <= QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] <= QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

// The field at `pos` (from 1) with its blanks removed; empty when the line is shorter.
QString fieldText(const QStringList& fields, int pos) {
    return pos <= fields.size() ? trimBlanks(fields[pos - 1]) : QString();
}

// Reads the field at `pos` (from 1) as a 32-bit integer. A missing field, and an empty one when
// `emptyIsMissing`, gives `fallback`. On failure `problem` (when given) names the field.
bool readInt(const QStringList& fields, int pos, ImportField field, qint32 fallback, bool emptyIsMissing,
             qint32* out, QString* problem) {
    const QString t = fieldText(fields, pos);
    if (pos > fields.size() || (emptyIsMissing && t.isEmpty())) {
        *out = fallback;
        return true;
    }
    bool ok = false;
    // Decimal digits with an optional sign only: "0x10", "1e3" or "5.0" are not integers.
    *out = t.toInt(&ok, 10);
    if (!ok && field == ImportField::TurnOn) {
        // The turn sign as the grids show it.
        if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            *out = 1;
            ok = true;
        } else if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            *out = 0;
            ok = true;
        }
    }
    if (!ok && problem)
        *problem = BoxImportTexts::notInteger(field, t);
    return ok;
}

} // namespace

LineParse parseBoxFields(const QStringList& fields, const ImportColumns& columns, ImportedBox* box,
                         QString* problem) {
    const int count = int(fields.size());
    for (const auto& [pos, field] :
         {std::pair{columns.kind, ImportField::Kind}, std::pair{columns.length, ImportField::Length},
          std::pair{columns.width, ImportField::Width}}) {
        if (pos > count) {
            if (problem)
                *problem = BoxImportTexts::fieldMissing(field);
            return LineParse::FormatError;
        }
    }
    box->kind = fieldText(fields, columns.kind);
    // Kind, Length and Width must be there; the optional fields take their defaults when they
    // are missing or, between separators, empty.
    if (!readInt(fields, columns.length, ImportField::Length, 0, false, &box->length, problem) ||
        !readInt(fields, columns.width, ImportField::Width, 0, false, &box->width, problem) ||
        !readInt(fields, columns.qty, ImportField::Qty, 1, true, &box->qty, problem) ||
        !readInt(fields, columns.weight, ImportField::Weight, 0, true, &box->weight, problem) ||
        !readInt(fields, ImportColumns::turn, ImportField::TurnOn, 1, false, &box->turn, problem))
        return LineParse::FormatError;
    if (!fieldText(fields, columns.mark).isEmpty()) {
        box->mark = fieldText(fields, columns.mark);
    } else if (box->kind.isEmpty()) {
        box->mark = QStringLiteral("?");
    } else {
        // First and last character, whole even when outside the basic plane.
        const QString& k = box->kind;
        const qsizetype firstLen = k.size() > 1 && k[0].isHighSurrogate() && k[1].isLowSurrogate() ? 2 : 1;
        const qsizetype lastLen =
            k.size() > 1 && k[k.size() - 1].isLowSurrogate() && k[k.size() - 2].isHighSurrogate() ? 2 : 1;
        box->mark = k.left(firstLen);
        if (k.size() > firstLen)
            box->mark += k.right(lastLen);
    }
    bool kindNumber = false;
    if (box->length == ImportEndMarker && box->width == ImportEndMarker &&
        box->kind.toInt(&kindNumber, 10) == ImportEndMarker && kindNumber)
        return LineParse::EndMarker;
    return LineParse::Ok;
}

QList<RangeFailure> rangeChecks(const ImportedBox& box) {
    QList<RangeFailure> out;
    auto limit = [&out](ImportField field, qint32 value, qint32 min, qint32 max, const QString& text) {
        if (value < min || value > max)
            out.append({text + QLatin1Char(' ') + QString::number(max) + QLatin1Char('.'),
                        BoxImportTexts::outsideRange(field, value, min, max)});
    };
    limit(ImportField::Length, box.length, 1, MaxBoxSide, BoxImportTexts::lengthRange());
    limit(ImportField::Width, box.width, 1, MaxBoxSide, BoxImportTexts::widthRange());
    limit(ImportField::Weight, box.weight, 0, MaxBoxWeight, BoxImportTexts::weightRange());
    limit(ImportField::Qty, box.qty, 0, MaxBoxQuantity, BoxImportTexts::qtyRange());
    if (box.kind.isEmpty())
        out.append({BoxImportTexts::kindMissing(), BoxImportTexts::fieldEmpty(ImportField::Kind)});
    if (box.mark.isEmpty())
        out.append({BoxImportTexts::markMissing(), BoxImportTexts::fieldEmpty(ImportField::Mark)});
    if (box.turn != 0 && box.turn != 1)
        out.append({BoxImportTexts::turnRange(), BoxImportTexts::turnNotSign(box.turn)});
    return out;
}

QStringList rangeFailures(const ImportedBox& box) {
    QStringList out;
    for (const RangeFailure& f : rangeChecks(box))
        out << f.text;
    return out;
}

QString importLineMessage(const QString& text, int lineNo, const QString& detail) {
    QString message = text + QLatin1Char('\r');
    if (!detail.isEmpty())
        message += detail + QLatin1Char('\r');
    return message + BoxImportTexts::seeLine(lineNo) + QLatin1Char('\r') + BoxImportTexts::linesOmitted();
}

QString BoxImportTexts::fieldName(ImportField field) {
    switch (field) {
    case ImportField::Qty:
        return tr("Q'ty");
    case ImportField::Kind:
        return tr("Kind");
    case ImportField::Length:
        return tr("Length");
    case ImportField::Width:
        return tr("Width");
    case ImportField::Weight:
        return tr("Weight");
    case ImportField::Mark:
        return tr("Mark");
    case ImportField::TurnOn:
        return tr("TurnOn");
    }
    return QString();
}

QString BoxImportTexts::fieldMissing(ImportField field) {
    return tr("%1 is missing").arg(fieldName(field));
}

QString BoxImportTexts::fieldEmpty(ImportField field) {
    return tr("%1 is empty").arg(fieldName(field));
}

QString BoxImportTexts::notInteger(ImportField field, const QString& text) {
    // Long or strange field texts are shown short and printable.
    QString shown = text.left(40);
    for (QChar& c : shown)
        if (!c.isPrint())
            c = QChar(0xFFFD);
    if (text.size() > 40)
        shown += QChar(0x2026);
    return tr("%1 \"%2\" is not a whole number").arg(fieldName(field), shown);
}

QString BoxImportTexts::outsideRange(ImportField field, qint32 value, qint32 minimum, qint32 maximum) {
    return tr("%1 %2 is outside %3 to %4").arg(fieldName(field)).arg(value).arg(minimum).arg(maximum);
}

QString BoxImportTexts::turnNotSign(qint32 value) {
    return tr("%1 %2 is not 0, 1, True or False").arg(fieldName(ImportField::TurnOn)).arg(value);
}

QString BoxImportTexts::lineTooLong() {
    return tr("The line is longer than %1 characters").arg(MaxImportLineBytes);
}

QString BoxImportTexts::tooManyFields() {
    return tr("The line has more than %1 fields").arg(MaxLineFields);
}

QString BoxImportTexts::controlCharacters() {
    return tr("The line holds control characters");
}

QString BoxImportTexts::readFailed() {
    return tr("The file cannot be read");
}

QString BoxImportTexts::tooManyKinds() {
    return tr("An import adds at most %1 box kinds.").arg(MaxImportRows);
}

ImportOptions importOptions(const IniValues& settings) {
    ImportOptions o;
    o.separators = importSeparators(settings.ImpSepar);
    o.columns = importColumns(settings.ImpOrder);
    o.header = settings.ImpHeader;
    return o;
}

// ---- line reader ----

QString decodeWindows1252(const QByteArray& bytes) {
    // The letters and signs Windows-1252 puts in 0x80 to 0x9F; its five unused codes keep their
    // Latin-1 meaning, as Windows itself reads them.
    static const char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b <= 0x9F ? High[b - 0x80] : char16_t(b));
    }
    return text;
}

bool ImportLineReader::fill() {
    m_buffer.clear();
    m_pos = 0;
    if (m_eof)
        return false;
    m_buffer.resize(64 * 1024);
    const qint64 got = m_device.read(m_buffer.data(), m_buffer.size());
    if (got <= 0) {
        m_buffer.clear();
        m_eof = true;
        m_readError = got < 0;
        return false;
    }
    m_buffer.resize(qsizetype(got));
    if (!m_started) {
        m_started = true;
        // A UTF-16 byte order mark makes the whole file UTF-16; its lines are split after
        // decoding.
        if (m_buffer.startsWith("\xFF\xFE") || m_buffer.startsWith("\xFE\xFF")) {
            m_utf16.emplace(m_buffer.startsWith("\xFF\xFE") ? QStringConverter::Utf16LE
                                                            : QStringConverter::Utf16BE);
            m_pos = 2;
        }
    }
    if (m_utf16) {
        m_text += QString((*m_utf16)(QByteArrayView(m_buffer).sliced(m_pos)));
        m_buffer.clear();
        m_pos = 0;
    }
    return true;
}

ImportLineReader::Status ImportLineReader::next(QString* line) {
    line->clear();
    if (!m_started && !m_eof)
        fill(); // the first read tells the encoding
    if (m_utf16)
        return nextUtf16(line);
    QByteArray bytes;
    bool overlong = m_skipRest;
    bool any = false; // something of a line was read
    for (;;) {
        if (m_pos >= m_buffer.size()) {
            if (fill())
                continue;
            if (m_readError)
                return Status::ReadError;
            if (!any && !overlong)
                return Status::End;
            break; // the last line has no line break
        }
        if (m_skipLf) {
            m_skipLf = false;
            if (m_buffer[m_pos] == '\n') {
                ++m_pos;
                continue;
            }
        }
        any = true;
        qsizetype end = m_pos;
        while (end < m_buffer.size() && m_buffer[end] != '\n' && m_buffer[end] != '\r')
            ++end;
        if (!overlong)
            bytes.append(m_buffer.constData() + m_pos, end - m_pos);
        if (!overlong && bytes.size() > MaxImportLineBytes) {
            // Told at once, without reading on to the line's end (a device or a huge file may
            // have none); a later call reads past the rest of the line first.
            m_pos = end;
            m_skipRest = true;
            m_first = false;
            return Status::Overlong;
        }
        if (end == m_buffer.size()) {
            m_pos = end;
            continue;
        }
        m_skipLf = m_buffer[end] == '\r';
        m_pos = end + 1;
        break;
    }
    const bool first = m_first;
    m_first = false;
    if (overlong) {
        m_skipRest = false;
        return next(line);
    }
    if (first && bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    *line = utf8(bytes);
    if (utf8.hasError())
        *line = decodeWindows1252(bytes);
    return Status::Line;
}

ImportLineReader::Status ImportLineReader::nextUtf16(QString* line) {
    m_first = false;
    bool any = false;
    for (;;) {
        if (m_textPos >= m_text.size()) {
            m_text.clear();
            m_textPos = 0;
            if (fill())
                continue;
            if (m_readError)
                return Status::ReadError;
            if (!any && !m_skipRest)
                return Status::End;
            break;
        }
        if (m_skipLf) {
            m_skipLf = false;
            if (m_text[m_textPos] == QLatin1Char('\n')) {
                ++m_textPos;
                continue;
            }
        }
        any = true;
        qsizetype end = m_textPos;
        while (end < m_text.size() && m_text[end] != QLatin1Char('\n') && m_text[end] != QLatin1Char('\r'))
            ++end;
        if (!m_skipRest)
            line->append(QStringView(m_text).mid(m_textPos, end - m_textPos));
        if (!m_skipRest && line->size() > MaxImportLineBytes) {
            line->clear();
            m_textPos = end;
            m_skipRest = true;
            return Status::Overlong;
        }
        m_textPos = end;
        if (end == m_text.size())
            continue;
        m_skipLf = m_text[end] == QLatin1Char('\r');
        ++m_textPos;
        break;
    }
    if (m_skipRest) {
        m_skipRest = false;
        line->clear();
        return nextUtf16(line);
    }
    return Status::Line;
}

} // namespace palvane
