// Adding the box kinds of an import file or of pasted text to the `boxes` library.
#include "BoxImport.h"
#include "DMForm.h"
#include "RegularFile.h"
#include "Store.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <optional>

namespace palvane {

namespace {

// Trailing blanks and control characters removed.
QString trimRight(const QString& s) {
    qsizetype e = s.size();
    while (e > 0 && s[e - 1] <= QLatin1Char(' '))
        --e;
    return s.left(e);
}

// A text line holds no control characters but the tab; anything else is not text.
bool hasControlCharacters(const QString& line) {
    for (QChar c : line)
        if ((c < QLatin1Char(' ') && c != QLatin1Char('\t')) || c == QChar(0x7F))
            return true;
    return false;
}

// The first `size` characters, without splitting a surrogate pair at the cut.
QString cutToField(const QString& s, int size) {
    if (s.size() <= size)
        return s;
    qsizetype n = size;
    if (n > 0 && s[n - 1].isHighSurrogate())
        --n;
    return s.left(n);
}

} // namespace

ImportOutcome ImportBoxes(TDMForm& dm, const QString& path, const ImportOptions& options,
                          Prompter& prompter) {
    ImportOutcome out;
    Cursor& boxes = dm.boxes();
    Store* store = dm.store();
    QFile file;
    QString detail; // what failed, for the message
    bool error = !store || !boxes.isActive() || !boxes.checkBrowseMode();
    if (!error) {
        // Only a regular file is read: a FIFO would block and a device never end.
        const FileReadStatus opened = openRegularFile(path, file);
        error = opened != FileReadStatus::Ok;
        detail = fileReadProblem(opened, path, -1);
    }
    const bool savedEditMode = dm.BoxesEditMode;
    dm.BoxesEditMode = true;
    std::optional<StoreTransaction> unit;
    std::optional<QSqlQuery> insert;
    if (!error) {
        unit.emplace(*store);
        insert.emplace(store->database());
        error =
            !unit->isActive() ||
            !insert->prepare(QStringLiteral("INSERT INTO boxes (Kind, Mark, Length, Width, Weight, TurnOn, "
                                            "Temp, Total) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    int n = 0;
    int skip = std::max(options.header, 0);
    QVariant lastKey;
    ImportLineReader reader(file);
    while (!error) {
        QString line;
        const ImportLineReader::Status status = reader.next(&line);
        if (status == ImportLineReader::Status::End)
            break;
        if (status != ImportLineReader::Status::Line) {
            error = true;
            detail = status == ImportLineReader::Status::Overlong ? BoxImportTexts::lineTooLong()
                                                                  : BoxImportTexts::readFailed();
            break;
        }
        line = trimRight(line);
        if (line.isEmpty())
            continue;
        if (skip > 0) {
            --skip;
            continue;
        }
        QStringList fields;
        ImportedBox box;
        if (hasControlCharacters(line) || !SplitLine(line, options.separators, &fields)) {
            error = true;
            detail = hasControlCharacters(line) ? BoxImportTexts::controlCharacters()
                                                : BoxImportTexts::tooManyFields();
            break;
        }
        const LineParse parsed = parseBoxFields(fields, options.columns, &box, &detail);
        if (parsed == LineParse::FormatError) {
            error = true;
            break;
        }
        if (parsed == LineParse::EndMarker) {
            out.endMarker = true;
            break;
        }
        const QList<RangeFailure> failures = rangeChecks(box);
        if (!failures.isEmpty()) {
            for (const RangeFailure& f : failures)
                prompter.ask(PromptKind::Error, importLineMessage(f.text, n + 1, f.detail),
                             PromptButtons::Ok);
            out.rangeError = true;
            break;
        }
        if (n >= options.maxRows) {
            // The kinds before stay; the limit gets its own message.
            prompter.ask(PromptKind::Error, importLineMessage(BoxImportTexts::tooManyKinds(), n + 1),
                         PromptButtons::Ok);
            out.limitReached = true;
            break;
        }
        // The library's own insert rule decides whether new rows are accepted at all.
        if (boxes.beforeInsert && !boxes.beforeInsert(boxes)) {
            out.refused = true;
            break;
        }
        for (const QVariant& v : {QVariant(cutToField(box.kind, 25)), QVariant(cutToField(box.mark, 2)),
                                  QVariant(box.length), QVariant(box.width), QVariant(box.weight),
                                  QVariant(box.turn > 0 ? 1 : 0), QVariant(0), QVariant(box.qty)})
            insert->addBindValue(v);
        // On a server a failed statement spoils the whole transaction: there each line is a
        // unit of its own, so a refused line undoes only itself and the lines before stay.
        std::optional<StoreTransaction> lineUnit;
        if (store->isServer())
            lineUnit.emplace(*store);
        if (!insert->exec()) {
            error = true;
            detail = insert->lastError().text();
            if (lineUnit)
                lineUnit->rollback();
            break;
        }
        if (lineUnit && !lineUnit->commit()) {
            error = true;
            detail = store->lastError();
            break;
        }
        lastKey = insert->lastInsertId();
        ++n;
    }
    insert.reset();
    if (unit && unit->isActive() && !unit->commit()) {
        error = true;
        detail = store->lastError();
        n = 0; // nothing was kept
        lastKey = QVariant();
    }
    unit.reset();
    dm.BoxesEditMode = savedEditMode;
    out.imported = n;
    if (n > 0 && boxes.isActive()) {
        boxes.refresh();
        if (lastKey.isValid())
            boxes.locate(QStringLiteral("KindID"), lastKey);
    }
    if (error) {
        out.formatError = true;
        prompter.ask(PromptKind::Error, importLineMessage(BoxImportTexts::formatError(), n + 1, detail),
                     PromptButtons::Ok);
    }
    return out;
}

ImportOutcome ImportBoxesFrom(TDMForm& dm, const QString& path, const IniValues& settings,
                              Prompter& prompter) {
    return ImportBoxes(dm, path, importOptions(settings), prompter);
}

PasteResult PasteBoxes(TDMForm& dm, const QString& clipboardText, const QString& importFolder,
                       const IniValues& settings, Prompter& prompter, ImportOutcome* outcome) {
    if (clipboardText.trimmed().isEmpty()) {
        prompter.ask(PromptKind::Information, BoxImportTexts::noClipboardText(), PromptButtons::Ok);
        return PasteResult::NoText;
    }
    if (dm.WarnsCheck && prompter.ask(PromptKind::Confirmation, BoxImportTexts::pasteQuestion(),
                                      PromptButtons::OkCancel) != PromptAnswer::Ok)
        return PasteResult::Cancelled;
    QSaveFile log(QDir(importFolder).filePath(QLatin1String(PasteLogFileName)));
    const QByteArray bytes = clipboardText.toUtf8();
    if (!QDir().mkpath(importFolder) || !log.open(QIODevice::WriteOnly) || log.write(bytes) != bytes.size() ||
        !log.commit()) {
        prompter.ask(PromptKind::Warning, BoxImportTexts::pasteWriteError(), PromptButtons::Ok);
        return PasteResult::WriteFailed;
    }
    const ImportOutcome o = ImportBoxesFrom(dm, log.fileName(), settings, prompter);
    if (outcome)
        *outcome = o;
    return PasteResult::Imported;
}

} // namespace palvane
