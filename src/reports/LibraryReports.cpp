// Page set-ups, the table helper, the two library reports and the layout image report.
#include "ApplicationTitle.h"
#include "Cursor.h"
#include "Reports.h"

#include "LoadingSheet.h"

namespace palvane {

namespace {

constexpr auto L = BandText::Align::Left;
constexpr auto R = BandText::Align::Right;

} // namespace

ReportPageSetup Reports::pageSetup(ReportId id) {
    // Margins are given left, top, right, bottom.
    switch (id) {
    case ReportId::TCntReport:
        return {tr("Quillo Container Library"), QPageLayout::Portrait, QMarginsF(10, 10, 10, 25)};
    case ReportId::TBoxReport:
        return {tr("Quillo Box Library"), QPageLayout::Portrait, QMarginsF(10, 10, 10, 25)};
    case ReportId::TTaskReport:
        return {tr("Quillo Task Report"), QPageLayout::Portrait, QMarginsF(15, 10, 10, 25)};
    case ReportId::TSolutReport:
        return {tr("Quillo Solution"), QPageLayout::Portrait, QMarginsF(15, 10, 10, 25)};
    case ReportId::TLoadingSheet:
        return LoadingSheet::pageSetup();
    case ReportId::TImageReport:
        break;
    }
    return {tr("Quillo Image"), QPageLayout::Landscape, QMarginsF(10, 15, 5, 10)};
}

QString Reports::footerText() {
    return QStringLiteral("*** ") + applicationTitle() + QLatin1Char(' ') + QStringLiteral("1.95") +
           QStringLiteral(" ***");
}

QString Reports::fieldText(const Cursor& cursor, int row, const QString& column) {
    const int c = cursor.columnIndex(column);
    if (c >= 0) {
        const ColumnInfo& info = cursor.columns()[size_t(c)];
        const QVariant v = cursor.valueAt(row, column);
        // A single-precision field shows the digits it holds, not those of its double copy.
        if (info.type == FieldType::Float && info.displayFormat.isEmpty() && !v.isNull())
            return QString::number(double(v.toFloat()), 'g', 7);
    }
    return cursor.displayText(row, column);
}

Band Reports::footerBand() {
    Band band;
    band.height = 8.5;
    band.add(footerText(), 0, 3.4, L, 6);
    return band;
}

ReportPart Reports::table(const Cursor& cursor, const std::vector<ReportColumn>& columns,
                          const TableGeometry& geometry) {
    ReportPart part;
    Band header;
    header.height = geometry.headerHeight;
    header.frame = BandFrame::Box;
    for (const ReportColumn& c : columns)
        if (!c.title.isEmpty())
            header.add(c.title, c.titleX, geometry.titleTop, c.titleAlign);
    part.header = header;
    for (int row = 0; row < cursor.rowCount(); ++row) {
        Band detail;
        detail.height = geometry.detailHeight;
        detail.frame = geometry.detailFrame;
        for (const ReportColumn& c : columns)
            if (!c.field.isEmpty())
                detail.add(fieldText(cursor, row, c.field), c.fieldX, geometry.fieldTop, c.fieldAlign);
        part.details.push_back(std::move(detail));
    }
    return part;
}

Report Reports::containerLibrary(const Cursor& conts) {
    const std::vector<ReportColumn> columns{
        {tr("Sheet / Container Type"), L, 6.8, QStringLiteral("Type"), L, 1.7},
        {tr("Mark"), R, 58.6, QStringLiteral("Mark"), R, 58.6},
        {tr("Length"), R, 74.9, QStringLiteral("Length"), R, 74.9},
        {tr("Width"), R, 89.3, QStringLiteral("Width"), R, 89.3},
        {tr("Area"), R, 103.7, QStringLiteral("Volume"), R, 104.7},
        {tr("Fill Dir"), L, 108.8, QStringLiteral("FillDir"), R, 119.2},
        {tr("LoadWt"), R, 135.9, QStringLiteral("LoadWt"), R, 135.9},
        {tr("Nose / Tail Weigt & Posit"), R, 185.2, QStringLiteral("NoseWt"), R, 151.6},
        {QString(), L, 0, QStringLiteral("TailWt"), R, 163.6},
        {QString(), L, 0, QStringLiteral("NoseDL"), R, 175.7},
        {QString(), L, 0, QStringLiteral("TailDL"), R, 187.3},
    };
    ReportPart part = table(conts, columns, TableGeometry{});
    part.name = QStringLiteral("TCntReport");
    Band title;
    title.height = 12.3;
    title.add(tr("Sheet / 2D Container Library"), 59.3, 3.4, L, 14, true);
    part.title = title;
    part.summary = footerBand();
    return Report{pageSetup(ReportId::TCntReport), {std::move(part)}};
}

Report Reports::boxLibrary(const Cursor& boxes) {
    const std::vector<ReportColumn> columns{
        {tr("Part / Box Kind"), L, 10.2, QStringLiteral("Kind"), L, 1.7},
        {tr("Mark"), R, 62.0, QStringLiteral("Mark"), R, 62.0},
        {tr("Length"), R, 78.3, QStringLiteral("Length"), R, 78.3},
        {tr("Width"), R, 93.3, QStringLiteral("Width"), R, 93.3},
        {tr("Area"), R, 110.5, QStringLiteral("Volume"), R, 111.5},
        {tr("Weight"), R, 128.0, QStringLiteral("Weight"), R, 128.0},
        {tr("TurnOn"), R, 143.7, QStringLiteral("TurnOn"), L, 133.8},
        {tr("Description"), L, 159.2, QStringLiteral("Descr"), L, 149.0},
    };
    ReportPart part = table(boxes, columns, TableGeometry{});
    part.name = QStringLiteral("TBoxReport");
    for (Band& d : part.details)
        d.texts.back().wrapWidth = 40.0; // the description grows its row
    Band title;
    title.height = 12.3;
    title.add(tr("Part / 2D Box Library"), 67.7, 3.4, L, 14, true);
    part.title = title;
    part.summary = footerBand();
    return Report{pageSetup(ReportId::TBoxReport), {std::move(part)}};
}

Report Reports::image(const Cursor& tasks, const QImage& picture) {
    const int row = tasks.currentRow();
    Band band;
    band.height = 175.0;
    band.add(tr("Layout for a task:"), 51.6, 3.2, L, 10, true);
    band.add(fieldText(tasks, row, QStringLiteral("Name")), 82.5, 2.3, L, 12, true);
    band.add(tr("Date:"), 161.3, 3.2);
    band.add(fieldText(tasks, row, QStringLiteral("Date")), 172.7, 3.2, L, 10, true);
    band.image = BandImage{picture, QRectF(1.7, 9.7, 251.0, 161.1)};
    ReportPart part;
    part.name = QStringLiteral("TImageReport");
    part.summary = band;
    return Report{pageSetup(ReportId::TImageReport), {std::move(part)}};
}

} // namespace palvane
