#pragma once
// The initialisation file "korvan.ini" in the home folder: 30 text lines, each an integer
// followed by its key text, keeping the active settings and the user's other choices between
// runs, and after them one appended line with the improvement stage's seconds.
#include "ActiveSettings.h"
#include "Prompter.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace palvane {

// Saved Space value meaning "the file could not be read": View Options keep their own defaults.
inline constexpr qint32 KeepViewDefaults = 555;

// The nine View Options values the file keeps (track positions and the two check boxes, 1 for
// checked). The View Options window clamps them to its controls' ranges when it restores them.
struct SavedViewOptions {
    qint32 Space = KeepViewDefaults;
    qint32 Line = 0;
    qint32 Palett = 0;
    qint32 Bright = 0;
    qint32 BackGr = 0;
    qint32 Parts = 0;
    qint32 Grid = 0;
    qint32 MarkKind = 0;
    qint32 Orient = 0;
    bool operator==(const SavedViewOptions&) const = default;
};

// Everything the file keeps; the defaults are those a missing or unreadable file gives.
struct IniValues {
    // TaskID of the task current at exit in the main database, 0 for none.
    qint32 TaskIni = 0;
    // Area multiplier power, 0 to 6.
    qint32 VolMultPow = 3;
    ActiveSettings settings;
    SavedViewOptions view;
    // Box import: column order 0 to 3, header lines to skip, separator 0 blanks/tabs, 1 commas.
    qint32 ImpOrder = 0;
    qint32 ImpHeader = 0;
    qint32 ImpSepar = 0;
    // Read and written back unchanged.
    qint32 Customize = 0;
    // 0 English, 1 French, 3 Italian (any other value shows English).
    qint32 LanguageCode = 0;
    bool operator==(const IniValues&) const = default;
};

// The file's name in the home folder.
QString iniFilePath(const QString& homeFolder);

// The file's 30 lines and the appended Improve line, each ended by a line break.
QByteArray formatIni(const IniValues& values);

// Reads the values from the file's text. False when a value line is missing or does not start
// with an integer; values then holds what was read so far. Values outside a setting's range are
// moved into it. The appended Improve line may be missing (a file of the 30-line format): the
// stage is then off.
bool parseIni(const QByteArray& text, IniValues& values);

// Loads the file into values. When it cannot be opened or read, values become the defaults.
// applyLanguage (may be empty) is then called with the LanguageCode, so the message texts follow
// the saved language; after a failure the warning "IniFile access error.\rLoading default
// settings" is shown when `warn` holds. Returns true when the file was read.
bool LoadIni(const QString& path, IniValues& values, Prompter& prompter,
             const std::function<void(int languageCode)>& applyLanguage = {}, bool warn = true);

// Creates or replaces the file with the values; the old file stays whole until the new one is
// complete. Set values.TaskIni to the current TaskID (0 for none) first. On failure the warning
// "IniFile write error" is shown and false returned.
bool SaveIni(const QString& path, const IniValues& values, Prompter& prompter);

// SaveIni without the warning: false when the file could not be written whole.
bool WriteIniQuietly(const QString& path, const IniValues& values);

// Saving at exit: only while the main database (code 0) is active; with another database active
// the file keeps its previous contents. Returns true when nothing failed.
bool SaveIniOnClose(int activeDatabase, const QString& path, const IniValues& values, Prompter& prompter);

} // namespace palvane
