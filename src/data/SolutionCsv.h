#pragma once
// Writing the stored solution of the current task to three CSV files: the containers used
// ("-conts.csv"), the box kinds per container ("-distr.csv") and the box positions per
// container ("-posit.csv"), in the home folder's export folder.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

namespace palvane {

class Prompter;
class TDMForm;

// The three file suffixes, in writing order.
inline constexpr const char* SolutionCsvSuffixes[3] = {"-conts.csv", "-distr.csv", "-posit.csv"};

// A task name made usable as a file name: path separators, characters that file systems refuse
// (< > : " | ? *) and control characters become '_'; a name that is only dots gets an '_' in
// front so it never names the folder itself or its parent.
QString safeFileStem(const QString& taskName);

// One field of a CSV line: a text holding a comma, a double quote, a carriage return or a line
// feed is put in double quotes with its double quotes doubled (RFC 4180); any other text is
// written as it is.
QString csvField(const QString& text);

// The three texts of a solution export, each line ending with CR LF.
struct SolutionCsvTexts {
    QString conts, distr, posit;
};

// Builds the three texts from the data module's `solut`, `distr` and `posit` cursors and the
// current task row. The cursors are walked and left on the rows they were on; the display
// updates of `distr` and `posit` are suspended meanwhile. The date follows `locale`; numbers
// always use the point as decimal separator, whatever the locale.
SolutionCsvTexts buildSolutionCsv(TDMForm& dm, const QLocale& locale = QLocale::system());

// Result of writing the files.
struct SolutionCsvResult {
    // The three paths as written (absolute).
    QStringList files;
    // The same paths as shown to the user (absolute, with the platform's separators).
    QStringList shownNames;
    // Number of files that could not be written.
    int failures = 0;
    // Description of the first failure, for diagnostics.
    QString error;
    bool ok() const { return failures == 0; }
};

// Writes the texts of `buildSolutionCsv` to `folder` (created when missing), each file
// replaced atomically, so an interrupted write never leaves half a file.
SolutionCsvResult writeSolutionCsv(TDMForm& dm, const QString& folder,
                                   const QLocale& locale = QLocale::system());

// What the export command needs around the writing: the busy state of the calling window
// (hourglass cursor and disabled window on true, back on false).
struct SolutionCsvHooks {
    std::function<void(bool busy)> busy;
};

// The File command of the Solution Page (`ExportSolutionCsv`): asks "Write current solution
// to files now?" while `dm.WarnsCheck` is set, writes the files into `folder` and reports
// either the list of files or "Solution file(s) write error" through `prompter`. Returns
// whether the files were written (false also when the question was not confirmed).
bool ExportSolutionCsv(TDMForm& dm, const QString& folder, Prompter& prompter,
                       const SolutionCsvHooks& hooks = {}, const QLocale& locale = QLocale::system());

} // namespace palvane
