// Reading and checking the lines of a box import file.
#include "BoxImport.h"

namespace palvane {

ImportColumns importColumns(int order)
{
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

ImportSeparators importSeparators(int separ)
{
    ImportSeparators s;
    if (separ == 1)
        s.first = s.second = QLatin1Char(',');
    return s;
}

bool SplitLine(const QString& line, const ImportSeparators& separators, QStringList* fields)
{
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
QString trimBlanks(const QString& s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] <= QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] <= QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

// Reads the field at `pos` (from 1) as a 32-bit integer; a missing field gives `fallback`.
bool readInt(const QStringList& fields, int pos, qint32 fallback, qint32* out)
{
    if (pos > fields.size()) {
        *out = fallback;
        return true;
    }
    bool ok = false;
    const QString t = trimBlanks(fields[pos - 1]);
    // Decimal digits with an optional sign only: "0x10", "1e3" or "5.0" are not integers.
    *out = t.toInt(&ok, 10);
    return ok;
}

} // namespace

LineParse parseBoxFields(const QStringList& fields, const ImportColumns& columns, ImportedBox* box)
{
    const int count = int(fields.size());
    if (columns.kind > count || columns.length > count || columns.width > count)
        return LineParse::FormatError;
    box->kind = trimBlanks(fields[columns.kind - 1]);
    if (!readInt(fields, columns.length, 0, &box->length) || !readInt(fields, columns.width, 0, &box->width)
        || !readInt(fields, columns.qty, 1, &box->qty) || !readInt(fields, columns.weight, 0, &box->weight)
        || !readInt(fields, ImportColumns::turn, 1, &box->turn))
        return LineParse::FormatError;
    if (columns.mark <= count) {
        box->mark = trimBlanks(fields[columns.mark - 1]);
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
    if (box->length == ImportEndMarker && box->width == ImportEndMarker
        && box->kind.toInt(&kindNumber, 10) == ImportEndMarker && kindNumber)
        return LineParse::EndMarker;
    return LineParse::Ok;
}

QStringList rangeFailures(const ImportedBox& box)
{
    QStringList out;
    auto limit = [&out](bool bad, const QString& text, qint32 max) {
        if (bad)
            out << text + QLatin1Char(' ') + QString::number(max) + QLatin1Char('.');
    };
    limit(box.length < 1 || box.length > MaxBoxSide, BoxImportTexts::lengthRange(), MaxBoxSide);
    limit(box.width < 1 || box.width > MaxBoxSide, BoxImportTexts::widthRange(), MaxBoxSide);
    limit(box.weight < 0 || box.weight > MaxBoxWeight, BoxImportTexts::weightRange(), MaxBoxWeight);
    limit(box.qty < 0 || box.qty > MaxBoxQuantity, BoxImportTexts::qtyRange(), MaxBoxQuantity);
    if (box.kind.isEmpty())
        out << BoxImportTexts::kindMissing();
    if (box.mark.isEmpty())
        out << BoxImportTexts::markMissing();
    if (box.turn != 0 && box.turn != 1)
        out << BoxImportTexts::turnRange();
    return out;
}

QString importLineMessage(const QString& text, int lineNo)
{
    return text + QLatin1Char('\r') + BoxImportTexts::seeLine(lineNo) + QLatin1Char('\r')
        + BoxImportTexts::linesOmitted();
}

ImportOptions importOptions(const IniValues& settings)
{
    ImportOptions o;
    o.separators = importSeparators(settings.ImpSepar);
    o.columns = importColumns(settings.ImpOrder);
    o.header = settings.ImpHeader;
    return o;
}

// ---- line reader ----

bool ImportLineReader::fill()
{
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
    return true;
}

ImportLineReader::Status ImportLineReader::next(QString* line)
{
    line->clear();
    QByteArray bytes;
    bool overlong = false;
    bool any = false; // something of a line was read
    for (;;) {
        if (m_pos >= m_buffer.size()) {
            if (fill())
                continue;
            if (m_readError)
                return Status::ReadError;
            if (!any)
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
        if (bytes.size() > MaxImportLineBytes) {
            overlong = true; // the rest of the line is read past, not kept
            bytes.clear();
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
    if (overlong)
        return Status::Overlong;
    if (first && bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    *line = utf8(bytes);
    if (utf8.hasError())
        *line = QString::fromLatin1(bytes);
    return Status::Line;
}

} // namespace palvane
