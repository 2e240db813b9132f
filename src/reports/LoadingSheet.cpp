#include "LoadingSheet.h"

#include "ApplicationTitle.h"
#include "Cursor.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace palvane {

namespace {

// Page geometry in millimetres, from the top left of the printable area of A4 landscape less
// the margins.
constexpr double HeaderHeight = 11, FooterHeight = 7;
constexpr double LeftColumn = 100; // figures and legend
constexpr double RowHeight = 3.6, TableTitle = 5.5;
constexpr double BlockWidth = 86; // one column of the box list
constexpr double DrawingMin = 50, DrawingMax = 100;

// The drawing's height for a container on a page `width` mm wide: the floor at full width and
// room for the marks and leaders, within limits.
double drawingHeight(const PlanContainer& c, double width) {
    if (c.length <= 0)
        return DrawingMin;
    return std::clamp((width - 12) * c.width / c.length + 22, DrawingMin, DrawingMax);
}

struct PageGeometry {
    double width, height; // printable area, mm
};

// Boxes in the list on the first page and on each further page.
int firstPageRows(const PlanContainer& c, const PageGeometry& g, int* blocks) {
    const double top = HeaderHeight + drawingHeight(c, g.width) + 2;
    *blocks = std::max(1, int((g.width - LeftColumn - 4) / BlockWidth));
    return std::max(1, int((g.height - FooterHeight - top - TableTitle - RowHeight) / RowHeight));
}
int laterPageRows(const PageGeometry& g, int* blocks) {
    *blocks = std::max(1, int(g.width / BlockWidth));
    return std::max(1, int((g.height - FooterHeight - HeaderHeight - TableTitle - RowHeight) / RowHeight));
}

PageGeometry a4Landscape() {
    const ReportPageSetup s = LoadingSheet::pageSetup();
    return {297 - s.margins.left() - s.margins.right(), 210 - s.margins.top() - s.margins.bottom()};
}

int pagesFor(const PlanContainer& c, const PageGeometry& g) {
    int blocks1 = 1, blocks2 = 1;
    const int first = firstPageRows(c, g, &blocks1) * blocks1;
    const int later = laterPageRows(g, &blocks2) * blocks2;
    const int rest = std::max(0, int(c.boxes.size()) - first);
    return 1 + (rest + later - 1) / later;
}

// Draws on one page in millimetres: the painter's device pixels come from the dpi.
class Page {
public:
    Page(QPainter& p, double dpiX, double dpiY) : m_p(p), m_dx(dpiX / 25.4), m_dy(dpiY / 25.4) {}
    QRectF rect(double x, double y, double w, double h) const {
        return {x * m_dx, y * m_dy, w * m_dx, h * m_dy};
    }
    // A text in a cell x..x+w at top y, left, right or centred.
    void text(const QString& s, double x, double y, double w, double h, double points, bool bold = false,
              Qt::Alignment align = Qt::AlignLeft) {
        m_p.setFont(planFont(points, bold));
        m_p.setPen(Qt::black);
        const QFontMetricsF m(m_p.font(), m_p.device());
        m_p.drawText(rect(x, y, w, h), int(align | Qt::AlignVCenter),
                     m.elidedText(s, Qt::ElideRight, w * m_dx));
    }
    void line(double x1, double y1, double x2, double y2, double widthMm = 0.2) {
        m_p.setPen(QPen(Qt::black, widthMm * m_dx));
        m_p.drawLine(QPointF(x1 * m_dx, y1 * m_dy), QPointF(x2 * m_dx, y2 * m_dy));
    }
    void swatch(double x, double y, double w, double h, const QColor& c) {
        m_p.setPen(QPen(QColor(60, 60, 60), 0.15 * m_dx));
        m_p.setBrush(c);
        m_p.drawRect(rect(x, y, w, h));
    }
    QPainter& painter() { return m_p; }

private:
    QPainter& m_p;
    double m_dx, m_dy;
};

QString number(double value, int decimals) {
    return QLocale().toString(value, 'f', decimals);
}

// "load of limit (percent %)", or the load alone without a limit.
QString againstLimit(int load, int limit) {
    if (limit <= 0)
        return QLocale().toString(load);
    return LoadingSheet::tr("%1 of %2 (%3 %)")
        .arg(QLocale().toString(load), QLocale().toString(limit), number(load * 100.0 / limit, 1));
}

void header(Page& page, const ContainerPlans& plans, const PageGeometry& g, int index, int count,
            bool continued) {
    page.text(LoadingSheet::tr("Loading sheet") + QStringLiteral(":  ") + plans.taskName, 0, 0, g.width * 0.5,
              7, 13, true);
    const QDate date = QDate::fromString(plans.date, Qt::ISODate);
    page.text(LoadingSheet::tr("Date:") + QLatin1Char(' ') +
                  QLocale().toString(date.isValid() ? date : QDate::currentDate(), QLocale::ShortFormat),
              g.width * 0.5, 0, g.width * 0.2, 7, 10);
    QString which = LoadingSheet::tr("Container %1 of %2").arg(index).arg(count);
    if (continued)
        which += QLatin1Char(' ') + LoadingSheet::tr("(continued)");
    page.text(which, g.width * 0.7, 0, g.width * 0.3, 7, 12, true, Qt::AlignRight);
    page.line(0, 8.5, g.width, 8.5, 0.4);
}

void footer(Page& page, const PageGeometry& g, int pageNo, int pages) {
    const double y = g.height - FooterHeight + 2;
    page.line(0, y, g.width, y);
    page.text(applicationTitle(), 0, y + 0.5, g.width / 2, 4.5, 8);
    page.text(LoadingSheet::tr("Page %1 of %2").arg(pageNo).arg(pages), g.width / 2, y + 0.5, g.width / 2,
              4.5, 8, false, Qt::AlignRight);
}

// The container's figures and the legend of its kinds in the left column.
void figuresAndLegend(Page& page, const PlanContainer& c, double top, double bottom) {
    double y = top;
    auto row = [&](const QString& label, const QString& value) {
        page.text(label, 0, y, 38, RowHeight + 0.6, 9);
        page.text(value, 38, y, LeftColumn - 40, RowHeight + 0.6, 9, true);
        y += RowHeight + 0.6;
    };
    row(LoadingSheet::tr("Container type:"),
        c.mark.isEmpty() ? c.type : QStringLiteral("%1  (%2)").arg(c.type, c.mark));
    row(LoadingSheet::tr("Floor L x W:"), QStringLiteral("%1 x %2").arg(c.length).arg(c.width));
    row(LoadingSheet::tr("Boxes:"), QLocale().toString(qint64(c.boxes.size())));
    row(LoadingSheet::tr("Used area:"), number(c.areaPercent, 1) + QStringLiteral(" %"));
    row(LoadingSheet::tr("Load weight:"), againstLimit(c.loadWeight, c.loadLimit));
    if (c.noseLimit > 0)
        row(LoadingSheet::tr("Nose load:"), againstLimit(c.noseLoad, c.noseLimit));
    if (c.tailLimit > 0)
        row(LoadingSheet::tr("Tail load:"), againstLimit(c.tailLoad, c.tailLimit));
    y += 2;
    page.text(LoadingSheet::tr("Kinds on this container"), 0, y, LeftColumn, TableTitle, 9, true);
    y += TableTitle;
    const double cols[] = {0, 6, 15, 55, 76, 86, LeftColumn - 4};
    const QString titles[] = {QString(),
                              LoadingSheet::tr("Mark"),
                              LoadingSheet::tr("Kind"),
                              LoadingSheet::tr("L x W"),
                              LoadingSheet::tr("Count"),
                              LoadingSheet::tr("Weight")};
    for (int i = 1; i < 6; ++i)
        page.text(titles[i], cols[i], y, cols[i + 1] - cols[i] - 1, RowHeight, 7, true,
                  i >= 4 ? Qt::AlignRight : Qt::AlignLeft);
    y += RowHeight;
    page.line(0, y, LeftColumn - 4, y, 0.15);
    for (size_t k = 0; k < c.kinds.size(); ++k) {
        if (y + 2 * RowHeight > bottom && k + 1 < c.kinds.size()) {
            page.text(LoadingSheet::tr("... and %1 more kinds").arg(c.kinds.size() - k), cols[2], y, 60,
                      RowHeight, 7);
            break;
        }
        const PlanKind& kind = c.kinds[k];
        page.swatch(0.5, y + 0.6, 4, RowHeight - 1.2, printKindColour(kind.colour));
        page.text(kind.mark, cols[1], y, cols[2] - cols[1] - 1, RowHeight, 7, true);
        page.text(kind.name, cols[2], y, cols[3] - cols[2] - 1, RowHeight, 7);
        page.text(QStringLiteral("%1 x %2").arg(kind.length).arg(kind.width), cols[3], y,
                  cols[4] - cols[3] - 1, RowHeight, 7);
        page.text(QString::number(kind.count), cols[4], y, cols[5] - cols[4] - 1, RowHeight, 7, false,
                  Qt::AlignRight);
        page.text(QLocale().toString(kind.weight), cols[5], y, cols[6] - cols[5] - 1, RowHeight, 7, false,
                  Qt::AlignRight);
        y += RowHeight;
    }
    if (y + RowHeight < bottom) {
        page.painter().setBrush(QColor(40, 40, 40));
        page.painter().setPen(Qt::NoPen);
        const QRectF r = page.rect(0.5, y + 1.0, 2.5, 2.5);
        page.painter().drawPolygon(QPolygonF({r.topLeft(), r.topRight(), r.bottomLeft()}));
        page.text(LoadingSheet::tr("Corner triangle: box turned by 90 degrees"), 5, y + 0.4, LeftColumn - 6,
                  RowHeight, 7);
    }
}

// The boxes from `first` on, in loading order, in blocks of `rows` rows side by side.
int boxList(Page& page, const PlanContainer& c, size_t first, double x, double top, int rows, int blocks) {
    page.text(LoadingSheet::tr("Boxes in loading order"), x, top, BlockWidth * blocks, TableTitle, 9, true);
    top += TableTitle;
    const double cols[] = {0, 9, 45, 58, 71, BlockWidth - 4};
    const QString titles[] = {LoadingSheet::tr("No"), LoadingSheet::tr("Kind"), LoadingSheet::tr("X"),
                              LoadingSheet::tr("Y"), LoadingSheet::tr("Turned")};
    size_t i = first;
    for (int b = 0; b < blocks && i < c.boxes.size(); ++b) {
        const double bx = x + b * BlockWidth;
        for (int t = 0; t < 5; ++t)
            page.text(titles[t], bx + cols[t], top, cols[t + 1] - cols[t] - 1, RowHeight, 7, true,
                      t == 1 ? Qt::AlignLeft : Qt::AlignRight);
        page.line(bx, top + RowHeight, bx + BlockWidth - 3, top + RowHeight, 0.15);
        for (int r = 0; r < rows && i < c.boxes.size(); ++r, ++i) {
            const PlanBox& box = c.boxes[i];
            const double y = top + RowHeight * (r + 1);
            page.text(QString::number(box.loadNo), bx + cols[0], y, cols[1] - cols[0] - 1, RowHeight, 7, true,
                      Qt::AlignRight);
            page.text(c.kinds[size_t(box.kind)].name, bx + cols[1], y, cols[2] - cols[1] - 1, RowHeight, 7);
            page.text(QString::number(box.x), bx + cols[2], y, cols[3] - cols[2] - 1, RowHeight, 7, false,
                      Qt::AlignRight);
            page.text(QString::number(box.y), bx + cols[3], y, cols[4] - cols[3] - 1, RowHeight, 7, false,
                      Qt::AlignRight);
            page.text(box.turned ? LoadingSheet::tr("yes") : QString(), bx + cols[4], y,
                      cols[5] - cols[4] - 1, RowHeight, 7, false, Qt::AlignRight);
        }
    }
    return int(i - first);
}

} // namespace

ContainerPlans LoadingSheet::plans(const PlanView& plan, const Cursor& task) {
    return containerPlans(plan, task.textValue(QStringLiteral("Name")),
                          task.value(QStringLiteral("Date")).toDate().toString(Qt::ISODate));
}

ReportPageSetup LoadingSheet::pageSetup() {
    return {tr("Quillo Loading Sheet"), QPageLayout::Landscape, QMarginsF(10, 10, 10, 8)};
}

int LoadingSheet::pageCount(const PlanContainer& container) {
    return pagesFor(container, a4Landscape());
}

int LoadingSheet::print(const ContainerPlans& plans, QPagedPaintDevice& device, int container, int fromPage,
                        int toPage) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const PageGeometry g{area.width(), area.height()};
    std::vector<size_t> chosen;
    for (size_t i = 0; i < plans.containers.size(); ++i)
        if (container == 0 || plans.containers[i].number == container)
            chosen.push_back(i);
    int pages = 0;
    for (size_t i : chosen)
        pages += pagesFor(plans.containers[i], g);
    if (pages == 0)
        return 0;
    QPainter painter;
    if (!painter.begin(&device))
        return -1;
    Page page(painter, device.logicalDpiX(), device.logicalDpiY());
    const int firstPage = std::max(1, fromPage), lastPage = toPage > 0 ? std::min(toPage, pages) : pages;
    int pageNo = 0, drawn = 0;
    for (size_t i : chosen) {
        const PlanContainer& c = plans.containers[i];
        size_t next = 0;
        for (int sheet = 0; sheet < pagesFor(c, g); ++sheet) {
            ++pageNo;
            int blocks = 1;
            const bool first = sheet == 0;
            const int rows = first ? firstPageRows(c, g, &blocks) : laterPageRows(g, &blocks);
            const bool shown = pageNo >= firstPage && pageNo <= lastPage;
            if (shown && drawn > 0 && !device.newPage())
                break;
            Page& p = page;
            if (!shown) {
                next += size_t(rows * blocks);
                continue;
            }
            header(p, plans, g, int(i) + 1, int(plans.containers.size()), !first);
            double top = HeaderHeight;
            if (first) {
                const double h = drawingHeight(c, g.width);
                drawContainerPlan(painter, p.rect(0, top, g.width, h), c);
                top += h + 2;
                figuresAndLegend(p, c, top, g.height - FooterHeight);
                next += size_t(boxList(p, c, next, LeftColumn + 4, top, rows, blocks));
            } else {
                next += size_t(boxList(p, c, next, 0, top, rows, blocks));
            }
            footer(p, g, pageNo, pages);
            ++drawn;
        }
    }
    painter.end();
    return drawn;
}

} // namespace palvane
