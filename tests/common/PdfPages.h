#pragma once
// Reading back PDF files written by Qt's PDF writer: the page count (one page object per page),
// and the text and page sizes through poppler's pdftotext and pdfinfo.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace palvane::test {

// Pages of the PDF file; -1 when it cannot be read.
inline int pdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

// Output of one of poppler's tools run on the file; empty when the tool is missing or failed.
inline QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of every page, pages in order (pdftotext ends each page with a form feed); empty
// when pdftotext (Debian package poppler-utils) is missing or cannot read the file.
inline QStringList pdfPageTexts(const QString& path) {
    QStringList pages =
        popplerOutput(QStringLiteral("pdftotext"), {path, QStringLiteral("-")}).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// The size of the first page in points (pdfinfo's "Page size"); empty when it cannot be read.
inline QSizeF pdfPageSize(const QString& path) {
    static const QRegularExpression size(QStringLiteral("Page size:\\s*([0-9.]+) x ([0-9.]+) pts"));
    const QRegularExpressionMatch m = size.match(popplerOutput(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

} // namespace palvane::test
