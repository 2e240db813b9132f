#pragma once
// Reading files that a user or another program may have replaced by something else: only
// regular files are opened (a FIFO or a device would block or never end), without blocking,
// and small files are read only up to their size limit.
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>

namespace palvane {

// Largest initialisation file read: the program's own files are a few hundred bytes.
inline constexpr qint64 MaxIniFileBytes = 64 * 1024;

// How opening or reading a file ended.
enum class FileReadStatus {
    Ok,
    Missing,    // there is no such file
    NotRegular, // a directory, FIFO, device or socket
    TooLarge,   // larger than the limit
    ReadError,  // the system refused to open or read it
};

// Opens `path` for reading into `file` when it is a regular file of at most maxBytes bytes
// (no limit when maxBytes < 0). Never blocks, even on a FIFO.
FileReadStatus openRegularFile(const QString& path, QFile& file, qint64 maxBytes = -1);

// Reads a whole regular file of at most maxBytes bytes; a file that grows past the limit while
// it is read counts as too large.
FileReadStatus readRegularFile(const QString& path, qint64 maxBytes, QByteArray* content);

// Checks that `path` could be read by readRegularFile, without reading it.
FileReadStatus checkRegularFile(const QString& path, qint64 maxBytes);

// The reason of a failed read for a message, naming the file and the limit; empty for Ok.
QString fileReadProblem(FileReadStatus status, const QString& path, qint64 maxBytes);

class RegularFileTexts {
    Q_DECLARE_TR_FUNCTIONS(palvane::RegularFile)
};

} // namespace palvane
