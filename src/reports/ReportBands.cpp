// The banded page flow and its drawing.
#include "ReportBands.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace palvane {

namespace {

constexpr double kMmPerInch = 25.4;
// Large enough for any wrapped text of a band.
constexpr double kUnboundedHeight = 1.0e6;
// Rounding of summed millimetres must not push a band that fits exactly to the next page.
constexpr double kFitTolerance = 1.0e-6;

int textFlags(const BandText& t) {
    const int align = t.align == BandText::Align::Right ? Qt::AlignRight : Qt::AlignLeft;
    return align | Qt::AlignTop | Qt::TextDontClip |
           (t.wrapWidth > 0 ? Qt::TextWordWrap : Qt::TextSingleLine);
}

} // namespace

Band& Band::add(const QString& text, double x, double y, BandText::Align align, int pointSize, bool bold) {
    BandText t;
    t.text = text;
    t.x = x;
    t.y = y;
    t.align = align;
    t.pointSize = pointSize;
    t.bold = bold;
    texts.push_back(t);
    return *this;
}

QStringList Band::textList() const {
    QStringList list;
    for (const BandText& t : texts)
        list << t.text;
    return list;
}

QFont bandFont(const BandText& text) {
    QFont font;
    // Where Arial is missing, a font of the same widths, else a narrow one, keeps the columns apart.
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setPointSize(text.pointSize);
    font.setBold(text.bold);
    return font;
}

double BandMeasure::height(const Band& band) const {
    double grown = band.height;
    for (const BandText& t : band.texts) {
        if (t.wrapWidth <= 0 || t.text.isEmpty())
            continue;
        const QFontMetricsF fm(bandFont(t), m_device);
        const double dpiX = m_device->logicalDpiX(), dpiY = m_device->logicalDpiY();
        const QRectF wrapped = fm.boundingRect(
            QRectF(0, 0, t.wrapWidth * dpiX / kMmPerInch, kUnboundedHeight), Qt::TextWordWrap, t.text);
        // The extra lines add to the design height; the space below the text stays.
        const double extra = (wrapped.height() - fm.height()) * kMmPerInch / dpiY;
        grown = std::max(grown, band.height + extra);
    }
    return grown;
}

std::vector<ReportPage> paginate(const Report& report, double pageHeight, const BandMeasure& measure) {
    std::vector<ReportPage> pages;
    double y = 0;
    bool body = false; // the page holds a band other than the column header

    auto place = [&](const Band& band, PlacedBand::Kind kind, int part) {
        const double h = measure.height(band);
        pages.back().push_back(PlacedBand{&band, kind, part, y, h});
        y += h;
        if (kind != PlacedBand::Kind::Header)
            body = true;
    };
    auto newPage = [&] {
        pages.emplace_back();
        y = 0;
        body = false;
    };

    for (int i = 0; i < int(report.parts.size()); ++i) {
        const ReportPart& part = report.parts[size_t(i)];
        newPage();
        if (part.title)
            place(*part.title, PlacedBand::Kind::Title, i);
        if (part.header)
            place(*part.header, PlacedBand::Kind::Header, i);
        // A band that does not fit goes to a new page under the column header; a band taller
        // than a whole page is placed anyway, so the flow always ends.
        auto flow = [&](const Band& band, PlacedBand::Kind kind) {
            if (body && y + measure.height(band) > pageHeight + kFitTolerance) {
                newPage();
                if (part.header)
                    place(*part.header, PlacedBand::Kind::Header, i);
            }
            place(band, kind, i);
        };
        for (const Band& d : part.details)
            flow(d, PlacedBand::Kind::Detail);
        if (part.summary)
            flow(*part.summary, PlacedBand::Kind::Summary);
    }
    return pages;
}

void paintPage(QPainter& painter, const ReportPage& page, double width, double dpiX, double dpiY) {
    auto px = [dpiX](double mm) { return mm * dpiX / kMmPerInch; };
    auto py = [dpiY](double mm) { return mm * dpiY / kMmPerInch; };
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(std::max(1.0, py(0.2)));
    const double right = px(width);
    // Backgrounds first, so that no band covers the frame line of the one above it.
    for (const PlacedBand& placed : page)
        painter.fillRect(QRectF(0, py(placed.top), right, py(placed.height)), Qt::white);
    for (const PlacedBand& placed : page) {
        const Band& band = *placed.band;
        const double top = py(placed.top), bottom = py(placed.top + placed.height);
        if (band.image)
            painter.drawImage(QRectF(px(band.image->rect.x()), top + py(band.image->rect.y()),
                                     px(band.image->rect.width()), py(band.image->rect.height())),
                              band.image->image);
        painter.setPen(pen);
        for (const BandText& t : band.texts) {
            painter.setFont(bandFont(t));
            QRectF r;
            if (t.wrapWidth > 0)
                r = QRectF(px(t.x), top + py(t.y), px(t.wrapWidth), bottom - top);
            else if (t.align == BandText::Align::Right)
                r = QRectF(0, top + py(t.y), px(t.x), py(placed.height));
            else
                r = QRectF(px(t.x), top + py(t.y), std::max(1.0, right - px(t.x)), py(placed.height));
            painter.drawText(r, textFlags(t), t.text);
        }
        if (band.frame != BandFrame::None) {
            painter.drawLine(QPointF(0, top), QPointF(0, bottom));
            painter.drawLine(QPointF(right, top), QPointF(right, bottom));
        }
        if (band.frame == BandFrame::Box)
            painter.drawLine(QPointF(0, top), QPointF(right, top));
        if (band.frame == BandFrame::Box || band.frame == BandFrame::Table)
            painter.drawLine(QPointF(0, bottom), QPointF(right, bottom));
    }
    painter.restore();
}

void applyPageSetup(QPagedPaintDevice& device, const ReportPageSetup& setup) {
    const QPageLayout current = device.pageLayout();
    QPageLayout wanted(current.pageSize(), setup.orientation, setup.margins, QPageLayout::Millimeter,
                       QMarginsF());
    if (device.setPageLayout(wanted))
        return;
    // The printer needs wider margins than the design: keep its minimum where it is larger.
    device.setPageOrientation(setup.orientation);
    const QMarginsF least = device.pageLayout().minimumMargins();
    const QMarginsF inMm = QPageLayout(current.pageSize(), setup.orientation, least, current.units())
                               .margins(QPageLayout::Millimeter);
    device.setPageMargins(QMarginsF(std::max(setup.margins.left(), inMm.left()),
                                    std::max(setup.margins.top(), inMm.top()),
                                    std::max(setup.margins.right(), inMm.right()),
                                    std::max(setup.margins.bottom(), inMm.bottom())),
                          QPageLayout::Millimeter);
}

int printReport(const Report& report, QPagedPaintDevice& device, int fromPage, int toPage) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const std::vector<ReportPage> pages = paginate(report, area.height(), BandMeasure(&device));
    const int first = std::max(1, fromPage);
    const int last = toPage > 0 ? std::min(toPage, int(pages.size())) : int(pages.size());
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    int drawn = 0;
    for (int n = first; n <= last; ++n) {
        if (drawn > 0 && !device.newPage())
            break;
        paintPage(painter, pages[size_t(n - 1)], area.width(), device.logicalDpiX(), device.logicalDpiY());
        ++drawn;
    }
    painter.end();
    return drawn;
}

QStringList pageTexts(const ReportPage& page) {
    QStringList list;
    for (const PlacedBand& placed : page)
        list << placed.band->textList();
    return list;
}

} // namespace palvane
