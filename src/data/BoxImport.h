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

namespace palvane {

class TDMForm;

// Most fields a line may have; a line with more is a format error.
inline constexpr int MaxLineFields = 50;
// Longest line (in bytes) the reader accepts; a longer line is a format error.
inline constexpr int MaxImportLineBytes = 8192;
// Most kinds one import adds; the line after them is reported as a format error.
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

// Reads the fields (already split, blanks around them are removed here) in the column order;
// missing optional fields take their defaults. FormatError when Kind, Length or Width is
// missing or a number field does not read as a 32-bit integer.
LineParse parseBoxFields(const QStringList& fields, const ImportColumns& columns, ImportedBox* box);

// The range check failures of a line, each as its message text, in checking order.
QStringList rangeFailures(const ImportedBox& box);

// The message of a failure at line `lineNo`: the text, the line number and the note that the
// lines below are left out, on three lines.
QString importLineMessage(const QString& text, int lineNo);

// Reads text lines from a device: lines end with LF, CR LF or CR; a UTF-8 byte order mark at
// the start is dropped; a line of valid UTF-8 is read as UTF-8, any other as Latin-1. A line
// longer than MaxImportLineBytes is skipped to its end and reported as overlong.
class ImportLineReader {
public:
    explicit ImportLineReader(QIODevice& device) : m_device(device) {}
    enum class Status { Line, Overlong, End, ReadError };
    // The next line without its line break.
    Status next(QString* line);

private:
    bool fill();
    QIODevice& m_device;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_first = true;
    bool m_eof = false;
    bool m_readError = false;
    bool m_skipLf = false; // the previous line ended with CR: a following LF belongs to it
};

// Settings of one import run.
struct ImportOptions {
    ImportSeparators separators;
    ImportColumns columns;
    int header = 0;                 // non-empty lines to skip first
    int maxRows = MaxImportRows;
};

// The import settings (`Imp.Order`, `Imp.Separ`, `Imp.Header`) as run options.
ImportOptions importOptions(const IniValues& settings);

// How an import ended.
struct ImportOutcome {
    int imported = 0;         // kinds added and kept
    bool formatError = false; // a format, reading or writing failure was reported
    bool rangeError = false;  // a field was out of its range
    bool endMarker = false;   // the 555 line ended it
    bool refused = false;     // the library refused new rows
};

// Adds the kinds of the file to the `boxes` library of the module's active database, in one
// transaction; stops at the first failing line with its messages, keeping the lines before it.
ImportOutcome ImportBoxes(TDMForm& dm, const QString& path, const ImportOptions& options,
                          Prompter& prompter);

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
    static QString pasteQuestion()
    {
        return tr("Are you sure to add to this library table\rdata from the current Clipboard contents ?");
    }
    static QString pasteWriteError() { return tr("Error proccessing Clipboard paste"); }
};

} // namespace palvane
