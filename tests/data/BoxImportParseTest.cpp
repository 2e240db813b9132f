// Box import lines: splitting, the column orders, defaults, range checks, messages and the line
// reader over awkward bytes.
#include "BoxImport.h"

#include <QBuffer>
#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace palvane;

namespace {

ImportedBox parsed(const QString& line, int order, int separ, LineParse expect = LineParse::Ok) {
    QStringList fields;
    EXPECT_TRUE(SplitLine(line, importSeparators(separ), &fields)) << line.toStdString();
    ImportedBox box;
    EXPECT_EQ(parseBoxFields(fields, importColumns(order), &box), expect) << line.toStdString();
    return box;
}

std::vector<QString> readAll(const QByteArray& bytes,
                             std::vector<ImportLineReader::Status>* statuses = nullptr) {
    QBuffer buf;
    buf.setData(bytes);
    EXPECT_TRUE(buf.open(QIODevice::ReadOnly));
    ImportLineReader reader(buf);
    std::vector<QString> lines;
    for (int guard = 0; guard < 100000; ++guard) {
        QString line;
        ImportLineReader::Status s = reader.next(&line);
        if (s == ImportLineReader::Status::End)
            return lines;
        if (statuses)
            statuses->push_back(s);
        lines.push_back(line);
    }
    ADD_FAILURE() << "reader did not end";
    return lines;
}

} // namespace

TEST(BoxImportSplit, BlanksAndTabsCollapseAndLeadingSeparatorsAreIgnored) {
    QStringList f;
    ASSERT_TRUE(SplitLine(QStringLiteral("  5 \t Pallet\t\t1200   800"), importSeparators(0), &f));
    ASSERT_EQ(f.size(), 4);
    EXPECT_EQ(f[1].trimmed(), QStringLiteral("Pallet"));
    // A field runs from the separator ending the previous one: the rest of a run stays in it.
    EXPECT_EQ(f[3], QStringLiteral("  800"));
    ASSERT_TRUE(SplitLine(QStringLiteral("a b "), importSeparators(0), &f));
    EXPECT_EQ(f, QStringList({QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(BoxImportSplit, CommasKeepEmptyFieldsButNoneAfterATrailingComma) {
    QStringList f;
    ASSERT_TRUE(SplitLine(QStringLiteral(",Big box,,7,"), importSeparators(1), &f));
    EXPECT_EQ(f, QStringList({QString(), QStringLiteral("Big box"), QString(), QStringLiteral("7")}));
    ASSERT_TRUE(SplitLine(QStringLiteral("a b\tc"), importSeparators(1), &f));
    EXPECT_EQ(f.size(), 1);
}

TEST(BoxImportSplit, FiftyFieldsAreAcceptedFiftyOneAreNot) {
    QStringList f;
    QStringList parts;
    for (int i = 0; i < 50; ++i)
        parts << QString::number(i);
    EXPECT_TRUE(SplitLine(parts.join(QLatin1Char(',')), importSeparators(1), &f));
    EXPECT_EQ(f.size(), 50);
    EXPECT_TRUE(SplitLine(parts.join(QLatin1Char(',')) + QLatin1Char(','), importSeparators(1), &f));
    parts << QStringLiteral("x");
    EXPECT_FALSE(SplitLine(parts.join(QLatin1Char(',')), importSeparators(1), &f));
    EXPECT_FALSE(SplitLine(parts.join(QLatin1Char(' ')), importSeparators(0), &f));
}

TEST(BoxImportParse, EveryColumnOrderReadsItsPositions) {
    const QString lines[4] = {
        QStringLiteral("5 Crate 600 400 12 CR 0"), QStringLiteral("Crate 5 600 400 12 CR 0"),
        QStringLiteral("Crate 600 400 5 12 CR 0"), QStringLiteral("Crate 600 400 12 5 CR 0")};
    for (int order = 0; order < 4; ++order) {
        ImportedBox b = parsed(lines[order], order, 0);
        EXPECT_EQ(b.kind, QStringLiteral("Crate")) << order;
        EXPECT_EQ(b.qty, 5) << order;
        EXPECT_EQ(b.length, 600) << order;
        EXPECT_EQ(b.width, 400) << order;
        EXPECT_EQ(b.weight, 12) << order;
        EXPECT_EQ(b.mark, QStringLiteral("CR")) << order;
        EXPECT_EQ(b.turn, 0) << order;
    }
    EXPECT_EQ(importColumns(9).kind, importColumns(0).kind); // unknown orders read as order 0
}

TEST(BoxImportParse, MissingOptionalFieldsTakeTheirDefaults) {
    ImportedBox b = parsed(QStringLiteral("5 Pallet 1200 800"), 0, 0);
    EXPECT_EQ(b.qty, 5);
    EXPECT_EQ(b.weight, 0);
    EXPECT_EQ(b.mark, QStringLiteral("Pt"));
    EXPECT_EQ(b.turn, 1);
    EXPECT_TRUE(rangeFailures(b).isEmpty());
    b = parsed(QStringLiteral("X 10 20"), 2, 0);
    EXPECT_EQ(b.qty, 1);
    EXPECT_EQ(b.mark, QStringLiteral("X"));
    b = parsed(QString::fromUtf8("\xF0\x9F\x93\xA6"
                                 "box"
                                 "\xF0\x9F\x93\xA6"
                                 " 10 20"),
               2, 0);
    EXPECT_EQ(b.mark, QString::fromUtf8("\xF0\x9F\x93\xA6\xF0\x9F\x93\xA6"));
    b = parsed(QStringLiteral(",10,20"), 2, 1);
    EXPECT_EQ(b.mark, QStringLiteral("?"));
    EXPECT_EQ(rangeFailures(b), QStringList{BoxImportTexts::kindMissing()});
}

TEST(BoxImportParse, MissingRequiredFieldsAndNonIntegersAreFormatErrors) {
    parsed(QStringLiteral("5 Pallet 1200"), 0, 0, LineParse::FormatError);
    parsed(QStringLiteral("Crate, 600, , 5"), 2, 1, LineParse::FormatError);
    for (const char* bad : {"12.5", "0x10", "1e3", "99999999999", "-2147483649", "12a", "--1", "\xC2\xBD"})
        parsed(QStringLiteral("5 Pallet 1200 ") + QString::fromUtf8(bad), 0, 0, LineParse::FormatError);
    // 32-bit integers read; their range is checked afterwards.
    ImportedBox b = parsed(QStringLiteral("+5 Pallet 2147483647 -7 -1 Mk 2"), 0, 0);
    EXPECT_EQ(b.length, 2147483647);
    EXPECT_EQ(b.width, -7);
    EXPECT_EQ(b.weight, -1);
}

TEST(BoxImportParse, EndMarkerNeedsKindLengthAndWidthAll555) {
    parsed(QStringLiteral("555 555 555"), 2, 0, LineParse::EndMarker);
    parsed(QStringLiteral("1 555 555 555"), 0, 0, LineParse::EndMarker);
    parsed(QStringLiteral("555 1 555 555"), 0, 0, LineParse::Ok);
    parsed(QStringLiteral("555 555 554"), 2, 0, LineParse::Ok);
    parsed(QStringLiteral("555x 555 555"), 2, 0, LineParse::Ok);
}

TEST(BoxImportParse, RangeFailuresInCheckingOrderWithTheirLimits) {
    ImportedBox b = parsed(QStringLiteral("1001 K 0 40000 30001 Mk 2"), 0, 0);
    EXPECT_EQ(rangeFailures(b),
              QStringList({QStringLiteral("Box lengths must be positive integers up to 32000."),
                           QStringLiteral("Box widths must be positive integers up to 32000."),
                           QStringLiteral("Box weights must be positive integers up to 30000."),
                           QStringLiteral("Box numbers must be positive integers up to 1000."),
                           QStringLiteral("Box turn rule signs must be \"0\" (Off) or \"1\" (On).")}));
    b = parsed(QStringLiteral("Crate,32000,1,1000,30000,,0"), 2, 1);
    EXPECT_TRUE(rangeFailures(b).isEmpty());
    b = parsed(QStringLiteral("Crate,32000,1,1000,30000, \t ,0"), 2, 1);
    EXPECT_EQ(b.mark, QStringLiteral("Ce"));
    b = parsed(QStringLiteral("0 K 1 1 0 M 1"), 0, 0);
    EXPECT_TRUE(rangeFailures(b).isEmpty());
}

TEST(BoxImportParse, LineMessageNamesTheLineOnThreeLines) {
    EXPECT_EQ(importLineMessage(QStringLiteral("Box import file format or reading error."), 3),
              QStringLiteral("Box import file format or reading error.\rSee box file/list line/row # 3.\r"
                             "All lines/rows below are omited."));
}

TEST(BoxImportReader, LineBreaksOfAllKindsAndTheByteOrderMark) {
    EXPECT_EQ(readAll("\xEF\xBB\xBFone\r\ntwo\rthree\n\nfour"),
              (std::vector<QString>{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                                    QString(), QStringLiteral("four")}));
    EXPECT_TRUE(readAll(QByteArray()).empty());
    // A byte order mark only counts at the start of the file.
    EXPECT_EQ(readAll("a\n\xEF\xBB\xBF"
                      "b")[1],
              QString::fromUtf8("\xEF\xBB\xBF"
                                "b"));
}

TEST(BoxImportReader, CrLfSplitAcrossReadChunksIsOneLineBreak) {
    // Short lines up to a CR that is the last byte of the first 64 KiB read.
    QByteArray bytes;
    int count = 0;
    while (bytes.size() + 11 < 64 * 1024 - 8) {
        bytes += "0123456789\n";
        ++count;
    }
    const QByteArray last(64 * 1024 - 1 - bytes.size(), 'z');
    bytes += last + "\r\nnext\n";
    ASSERT_EQ(bytes.indexOf('\r'), 64 * 1024 - 1);
    std::vector<QString> lines = readAll(bytes);
    ASSERT_EQ(lines.size(), size_t(count + 2));
    EXPECT_EQ(lines[size_t(count)], QString::fromLatin1(last));
    EXPECT_EQ(lines[size_t(count + 1)], QStringLiteral("next"));
}

TEST(BoxImportReader, Utf8OrLatin1AndOverlongLinesAreSkippedToTheirEnd) {
    EXPECT_EQ(readAll("Gr\xC3\xB6\xC3\x9F"
                      "e")[0],
              QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                "e"));
    EXPECT_EQ(readAll("Gr\xF6\xDF"
                      "e")[0],
              QString::fromUtf8("Gr\xC3\xB6\xC3\x9F"
                                "e"));
    std::vector<ImportLineReader::Status> statuses;
    QByteArray bytes = "short\n" + QByteArray(200000, 'y') + "\nafter";
    std::vector<QString> lines = readAll(bytes, &statuses);
    ASSERT_EQ(statuses.size(), 3u);
    EXPECT_EQ(statuses[0], ImportLineReader::Status::Line);
    EXPECT_EQ(statuses[1], ImportLineReader::Status::Overlong);
    EXPECT_EQ(statuses[2], ImportLineReader::Status::Line);
    EXPECT_EQ(lines[2], QStringLiteral("after"));
}

TEST(BoxImportParse, EmptyOptionalFieldsTakeTheirDefaultsAndTurnReadsTrueAndFalse) {
    // Q'ty, Weight and Mark empty between commas: 1, 0 and the mark from the kind.
    ImportedBox b = parsed(QStringLiteral("Crate, 600, 400, , , , 0"), 2, 1);
    EXPECT_EQ(b.qty, 1);
    EXPECT_EQ(b.weight, 0);
    EXPECT_EQ(b.mark, QStringLiteral("Ce"));
    EXPECT_EQ(b.turn, 0);
    EXPECT_TRUE(rangeFailures(b).isEmpty());
    for (const char* yes : {"True", "TRUE", "true", " tRuE "})
        EXPECT_EQ(parsed(QStringLiteral("Crate,6,4,2,1,CR,") + QLatin1String(yes), 2, 1).turn, 1) << yes;
    for (const char* no : {"False", "FALSE", "false"})
        EXPECT_EQ(parsed(QStringLiteral("Crate 6 4 2 1 CR ") + QLatin1String(no), 2, 0).turn, 0) << no;
    // Only whole words: anything else still fails, naming the field; an empty turn sign too.
    QString problem;
    QStringList fields;
    ImportedBox box;
    for (const char* bad : {"Tru", "yes", "1.0"}) {
        ASSERT_TRUE(SplitLine(QStringLiteral("Crate,6,4,2,1,CR,") + QLatin1String(bad), importSeparators(1),
                              &fields));
        EXPECT_EQ(parseBoxFields(fields, importColumns(2), &box, &problem), LineParse::FormatError);
        EXPECT_EQ(problem, QStringLiteral("TurnOn \"%1\" is not a whole number").arg(QLatin1String(bad)));
    }
    ASSERT_TRUE(SplitLine(QStringLiteral("Crate,6,4,2,1,CR, ,"), importSeparators(1), &fields));
    EXPECT_EQ(parseBoxFields(fields, importColumns(2), &box, &problem), LineParse::FormatError);
    // Length and Width must be there and whole.
    ASSERT_TRUE(SplitLine(QStringLiteral("Crate,,4"), importSeparators(1), &fields));
    EXPECT_EQ(parseBoxFields(fields, importColumns(2), &box, &problem), LineParse::FormatError);
    EXPECT_EQ(problem, QStringLiteral("Length \"\" is not a whole number"));
    ASSERT_TRUE(SplitLine(QStringLiteral("Crate 6"), importSeparators(0), &fields));
    EXPECT_EQ(parseBoxFields(fields, importColumns(2), &box, &problem), LineParse::FormatError);
    EXPECT_EQ(problem, QStringLiteral("Width is missing"));
}

TEST(BoxImportParse, RangeChecksNameTheFieldAndItsValue) {
    const QList<RangeFailure> failures = rangeChecks(parsed(QStringLiteral("1001 K 0 40000 -3 Mk 2"), 0, 0));
    ASSERT_EQ(failures.size(), 5);
    EXPECT_EQ(failures[0].detail, QStringLiteral("Length 0 is outside 1 to 32000"));
    EXPECT_EQ(failures[1].detail, QStringLiteral("Width 40000 is outside 1 to 32000"));
    EXPECT_EQ(failures[2].detail, QStringLiteral("Weight -3 is outside 0 to 30000"));
    EXPECT_EQ(failures[3].detail, QStringLiteral("Q'ty 1001 is outside 0 to 1000"));
    EXPECT_EQ(failures[4].detail, QStringLiteral("TurnOn 2 is not 0, 1, True or False"));
    for (const RangeFailure& f : failures)
        EXPECT_TRUE(rangeFailures(parsed(QStringLiteral("1001 K 0 40000 -3 Mk 2"), 0, 0)).contains(f.text));
    EXPECT_EQ(importLineMessage(failures[1].text, 3, failures[1].detail),
              QStringLiteral(
                  "Box widths must be positive integers up to 32000.\rWidth 40000 is outside 1 to 32000\r"
                  "See box file/list line/row # 3.\rAll lines/rows below are omited."));
}

TEST(BoxImportReader, Windows1252AndUtf16WithByteOrderMarks) {
    // "C\x9Cur" and "Caisse\x80" as a spreadsheet writes them in Windows-1252.
    std::vector<QString> lines = readAll("C\x9Cur\r\nCaisse\x80\r\n\x93quoted\x94 \xE9t\xE9\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], QString::fromUtf8("C\xC5\x93ur"));
    EXPECT_EQ(lines[1], QString::fromUtf8("Caisse\xE2\x82\xAC"));
    EXPECT_EQ(lines[2], QString::fromUtf8("\xE2\x80\x9Cquoted\xE2\x80\x9D \xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(decodeWindows1252("\x81\x8D\x8F\x90\x9D\xFF"),
              QString::fromUtf8("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\xC3\xBF"));

    const QString text = QString::fromUtf8("C\xC5\x93ur 3 4\r\nCaisse\xE2\x82\xAC 5 6\n\xF0\x9F\x93\xA6 7 8");
    for (QStringConverter::Encoding e : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
        QStringEncoder encode(e, QStringEncoder::Flag::WriteBom);
        const QByteArray bytes = encode(text);
        lines = readAll(bytes);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], QString::fromUtf8("C\xC5\x93ur 3 4"));
        EXPECT_EQ(lines[1], QString::fromUtf8("Caisse\xE2\x82\xAC 5 6"));
        EXPECT_EQ(lines[2], QString::fromUtf8("\xF0\x9F\x93\xA6 7 8"));
        // A long UTF-16 file is decoded across reads; an overlong line is told.
        QStringEncoder again(e, QStringEncoder::Flag::WriteBom);
        QByteArray longer = again(QString(40000, QLatin1Char('a')) + QStringLiteral("\nb\n"));
        std::vector<ImportLineReader::Status> statuses;
        lines = readAll(longer, &statuses);
        ASSERT_EQ(statuses.size(), 2u);
        EXPECT_EQ(statuses[0], ImportLineReader::Status::Overlong);
        EXPECT_EQ(lines[1], QStringLiteral("b"));
    }
}

TEST(BoxImportReader, OverlongLineIsToldBeforeItsEndIsRead) {
    // A device without line breaks: the reader answers after a bounded read.
    QFile zero(QStringLiteral("/dev/zero"));
    ASSERT_TRUE(zero.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    ImportLineReader reader(zero);
    QString line;
    EXPECT_EQ(reader.next(&line), ImportLineReader::Status::Overlong);
    EXPECT_TRUE(line.isEmpty());
    EXPECT_LE(zero.pos(), 2 * 64 * 1024);
}
