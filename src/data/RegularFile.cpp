#include "RegularFile.h"

#include <QDir>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace palvane {

FileReadStatus openRegularFile(const QString& path, QFile& file, qint64 maxBytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::Missing : FileReadStatus::ReadError;
    struct stat st {};
    FileReadStatus status = FileReadStatus::Ok;
    if (::fstat(fd, &st) != 0)
        status = FileReadStatus::ReadError;
    else if (!S_ISREG(st.st_mode))
        status = FileReadStatus::NotRegular;
    else if (maxBytes >= 0 && st.st_size > maxBytes)
        status = FileReadStatus::TooLarge;
    else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        status = FileReadStatus::ReadError;
    if (status != FileReadStatus::Ok) {
        ::close(fd);
        return status;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return FileReadStatus::ReadError;
    }
    return FileReadStatus::Ok;
}

FileReadStatus readRegularFile(const QString& path, qint64 maxBytes, QByteArray* content) {
    content->clear();
    QFile file;
    const FileReadStatus status = openRegularFile(path, file, maxBytes);
    if (status != FileReadStatus::Ok)
        return status;
    // One byte more than the limit tells a file that grew meanwhile.
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return FileReadStatus::ReadError;
    if (bytes.size() > maxBytes)
        return FileReadStatus::TooLarge;
    *content = std::move(bytes);
    return FileReadStatus::Ok;
}

FileReadStatus checkRegularFile(const QString& path, qint64 maxBytes) {
    QFile file;
    return openRegularFile(path, file, maxBytes);
}

QString fileReadProblem(FileReadStatus status, const QString& path, qint64 maxBytes) {
    const QString name = QDir::toNativeSeparators(path);
    switch (status) {
    case FileReadStatus::Ok:
        return QString();
    case FileReadStatus::Missing:
        return RegularFileTexts::tr("%1 does not exist.").arg(name);
    case FileReadStatus::NotRegular:
        return RegularFileTexts::tr("%1 is not a regular file.").arg(name);
    case FileReadStatus::TooLarge:
        return RegularFileTexts::tr("%1 is larger than %2 KiB.").arg(name).arg(maxBytes / 1024);
    case FileReadStatus::ReadError:
        return RegularFileTexts::tr("%1 cannot be read.").arg(name);
    }
    return QString();
}

} // namespace palvane
