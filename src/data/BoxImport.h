#pragma once
// Box import: reading box kinds from delimited text (blanks and tabs, or commas) in one of four
// column orders, checking every field, and adding the kinds to the `boxes` library; pasted
// clipboard text goes through the log file "impbox/PasteBoxesLog.txt" and is read the same way.
// Everything read is treated as untrusted: nothing in a file can make the import misbehave.
#include "IniFile.h"
#include "Prompter.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <optional>

namespace palvane {

class TDMForm;

// Most fields a line may have; a line with more is a format error.
inline constexpr int MaxLineFields = 50;
// Longest line (in bytes) the reader accepts; a longer line is a format error.
inline constexpr int MaxImportLineBytes = 8192;
// Most kinds one import adds; the line after them is reported with its own message.
inline constexpr int MaxImportRows = 100000;
// Field limits of the imported values.
inline constexpr qint32 MaxBoxSide = 32000, MaxBoxWeight = 30000, MaxBoxQuantity = 1000;
// Kind, Length and Width all equal to this end the import.
inline constexpr qint32 ImportEndMarker = 555;
// Name of the clipboard log file in the import folder.
inline constexpr const char* PasteLogFileName = "PasteBoxesLog.txt";

// Positions (from 1) of the fields of one column order; the turn sign is always field 7.
struct ImportColumns {
    int qty = 1, kind = 2, length = 3, width = 4, weight = 5, mark = 6;
    static constexpr int turn = 7;
};

// The positions of column order 0 to 3 (other values read as 0).
ImportColumns importColumns(int order);

// The two separator characters: blank and tab (0), or twice the comma (1, any other value 0).
struct ImportSeparators {
    QChar first = QLatin1Char(' ');
    QChar second = QLatin1Char('\t');
    bool commas() const { return first == QLatin1Char(','); }
};
ImportSeparators importSeparators(int separ);

// Splits a line into its fields: with blanks and tabs a run of separators (and separators at
// the start) count as one; with commas every comma ends a field, and a trailing comma adds no
// empty field. Fields keep their surrounding blanks. False when the line has more than
// MaxLineFields fields.
bool SplitLine(const QString& line, const ImportSeparators& separators, QStringList* fields);

// The values of one line, before the field sizes are applied.
struct ImportedBox {
    QString kind, mark;
    qint32 qty = 1, length = 0, width = 0, weight = 0, turn = 1;
};

// What one line's fields give.
enum class LineParse { Ok, FormatError, EndMarker };

// The fields of a line, for the messages that name them.
enum class ImportField { Qty, Kind, Length, Width, Weight, Mark, TurnOn };

// Reads the fields (already split, blanks around them are removed here) in the column order.
// Missing optional fields take their defaults, and so do an empty Q'ty, Weight or Mark between
// two separators; the turn sign reads 0 and 1, and True and False in any case. FormatError
// when Kind, Length or Width is missing or a number field does not read as a 32-bit integer;
// `problem` (when given) then names the field.
LineParse parseBoxFields(const QStringList& fields, const ImportColumns& columns, ImportedBox* box,
                         QString* problem = nullptr);

// One failed range check: its message text and the line naming the field and its value.
struct RangeFailure {
    QString text;
    QString detail; // e.g. "Width 40000 is outside 1 to 32000"
};

// The range check failures of a line, in checking order.
QList<RangeFailure> rangeChecks(const ImportedBox& box);
// The same, each as its message text only.
QStringList rangeFailures(const ImportedBox& box);

// The message of a failure at line `lineNo`: the text, the detail naming the field (when
// given), the line number and the note that the lines below are left out, one a line.
QString importLineMessage(const QString& text, int lineNo, const QString& detail = QString());

// Windows-1252 text: the letters and signs of 0x80 to 0x9F (the euro sign, curly quotes, the
// ligatures oe and OE, ...), Latin-1 everywhere else.
QString decodeWindows1252(const QByteArray& bytes);

// Reads text lines from a device: lines end with LF, CR LF or CR. A file starting with a UTF-16
// byte order mark is read as UTF-16 (little or big endian); otherwise a UTF-8 byte order mark
// at the start is dropped and a line of valid UTF-8 is read as UTF-8, any other as
// Windows-1252. A line longer than MaxImportLineBytes bytes (characters in UTF-16) is reported
// as overlong as soon as the limit is passed, without reading on; a later call first reads past
// the rest of that line.
class ImportLineReader {
public:
    explicit ImportLineReader(QIODevice& device) : m_device(device) {}
    enum class Status { Line, Overlong, End, ReadError };
    // The next line without its line break.
    Status next(QString* line);

private:
    bool fill();
    Status nextUtf16(QString* line);
    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    std::optional<QStringDecoder> m_utf16; // set for a UTF-16 file
    QString m_text;                        // decoded UTF-16 text not yet split into lines
    qsizetype m_textPos = 0;
    bool m_started = false; // the first read was made
    bool m_first = true;    // no line was returned yet
    bool m_eof = false;
    bool m_readError = false;
    bool m_skipLf = false;   // the previous line ended with CR: a following LF belongs to it
    bool m_skipRest = false; // the rest of an overlong line is still to be read past
};

// Settings of one import run.
struct ImportOptions {
    ImportSeparators separators;
    ImportColumns columns;
    int header = 0; // non-empty lines to skip first
    int maxRows = MaxImportRows;
};

// The import settings (`Imp.Order`, `Imp.Separ`, `Imp.Header`) as run options.
ImportOptions importOptions(const IniValues& settings);

// How an import ended.
struct ImportOutcome {
    int imported = 0;          // kinds added and kept
    bool formatError = false;  // a format, reading or writing failure was reported
    bool rangeError = false;   // a field was out of its range
    bool endMarker = false;    // the 555 line ended it
    bool refused = false;      // the library refused new rows
    bool limitReached = false; // the import stopped at MaxImportRows kinds
};

// Adds the kinds of the file to the `boxes` library of the module's active database, in one
// transaction; stops at the first failing line with its messages, keeping the lines before it.
ImportOutcome ImportBoxes(TDMForm& dm, const QString& path, const ImportOptions& options, Prompter& prompter);

// ImportBoxes with the stored import settings.
ImportOutcome ImportBoxesFrom(TDMForm& dm, const QString& path, const IniValues& settings,
                              Prompter& prompter);

// How a clipboard paste ended.
enum class PasteResult { NoText, Cancelled, WriteFailed, Imported };

// Imports clipboard text (null when the clipboard holds no text): asks for confirmation while
// the module's WarnsCheck is set, writes the text unchanged to the log file in `importFolder`
// (created when missing) and imports that file with the stored settings.
PasteResult PasteBoxes(TDMForm& dm, const QString& clipboardText, const QString& importFolder,
                       const IniValues& settings, Prompter& prompter, ImportOutcome* outcome = nullptr);

// Message texts of the import.
class BoxImportTexts {
    Q_DECLARE_TR_FUNCTIONS(palvane::BoxImport)
public:
    static QString formatError() { return tr("Box import file format or reading error."); }
    // The line number goes where each language puts it.
    static QString seeLine(int lineNo) { return tr("See box file/list line/row # %1.").arg(lineNo); }
    static QString linesOmitted() { return tr("All lines/rows below are omited."); }
    static QString lengthRange() { return tr("Box lengths must be positive integers up to"); }
    static QString widthRange() { return tr("Box widths must be positive integers up to"); }
    static QString weightRange() { return tr("Box weights must be positive integers up to"); }
    static QString qtyRange() { return tr("Box numbers must be positive integers up to"); }
    static QString kindMissing() { return tr("Box Kinds must be defined."); }
    static QString markMissing() { return tr("Box Mark must be a valid string."); }
    static QString turnRange() { return tr("Box turn rule signs must be \"0\" (Off) or \"1\" (On)."); }
    static QString noClipboardText() { return tr("There are no text data on the Clipboard"); }
    static QString pasteQuestion() {
        return tr("Are you sure to add to this library table\rdata from the current Clipboard contents ?");
    }
    static QString pasteWriteError() { return tr("Error proccessing Clipboard paste"); }
    // Lines that say what failed.
    static QString fieldName(ImportField field);
    static QString fieldMissing(ImportField field);
    static QString fieldEmpty(ImportField field);
    static QString notInteger(ImportField field, const QString& text);
    static QString outsideRange(ImportField field, qint32 value, qint32 minimum, qint32 maximum);
    static QString turnNotSign(qint32 value);
    static QString lineTooLong();
    static QString tooManyFields();
    static QString controlCharacters();
    static QString readFailed();
    // The message of an import that reached its limit of kinds.
    static QString tooManyKinds();
};

} // namespace palvane
