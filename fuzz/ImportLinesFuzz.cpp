// Box import line reading and parsing: any bytes, read line by line, split with either
// separator set and parsed in any column order, must end without a fault. The first byte picks
// the separators and the column order; the rest is the file's text.
#include "BoxImport.h"
#include "FuzzSupport.h"

#include <QBuffer>

using namespace palvane;
using palvane::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const int options = data[0];
    const ImportSeparators separators = importSeparators((options >> 2) & 1);
    const ImportColumns columns = importColumns(options & 3);
    QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    QBuffer device(&bytes);
    check(device.open(QIODevice::ReadOnly), "buffer");

    ImportLineReader reader(device);
    // Every call either ends or consumes at least one byte, so the calls are bounded.
    const qsizetype maxCalls = bytes.size() + 2;
    qsizetype calls = 0;
    for (;;) {
        check(++calls <= maxCalls, "reader keeps returning without consuming input");
        QString line;
        const ImportLineReader::Status status = reader.next(&line);
        if (status == ImportLineReader::Status::End || status == ImportLineReader::Status::ReadError)
            break;
        if (status != ImportLineReader::Status::Line)
            continue;
        check(!line.contains(QLatin1Char('\n')) && !line.contains(QLatin1Char('\r')),
              "line break inside a line");
        check(line.size() <= MaxImportLineBytes, "line longer than the reader's limit");
        QStringList fields;
        if (!SplitLine(line, separators, &fields))
            continue;
        check(fields.size() <= MaxLineFields, "more fields than the limit");
        ImportedBox box;
        if (parseBoxFields(fields, columns, &box) != LineParse::Ok)
            continue;
        const QStringList failures = rangeFailures(box);
        const bool inRange = box.length >= 1 && box.length <= MaxBoxSide && box.width >= 1 &&
                             box.width <= MaxBoxSide && box.weight >= 0 && box.weight <= MaxBoxWeight &&
                             box.qty >= 0 && box.qty <= MaxBoxQuantity && !box.kind.isEmpty() &&
                             !box.mark.isEmpty() && (box.turn == 0 || box.turn == 1);
        check(inRange == failures.isEmpty(), "range check disagrees with the values", line);
    }
    return 0;
}
