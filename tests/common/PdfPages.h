#pragma once
// Page count of a PDF file written by Qt's PDF writer, which puts one page object per page.
#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace palvane::test {

// Pages of the PDF file; -1 when it cannot be read.
inline int pdfPageCount(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(f.readAll()).count(page));
}

} // namespace palvane::test
