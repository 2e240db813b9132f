#pragma once
// A small banded report writer: a report is one or more parts, each with a title band printed
// once, a column header band at the top of every page, one detail band per row and a summary
// band at the end. Positions and sizes are millimetres from the band's top left corner (the page's
// left margin). The page flow is computed first (paginate) and then drawn page by page, so the
// flow can be checked without a printer.
#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace palvane {

// A text of a band. For a left-aligned text x is its left edge, for a right-aligned one its
// right edge; y is its top.
struct BandText {
    enum class Align { Left, Right };
    QString text;
    double x = 0, y = 0;
    Align align = Align::Left;
    int pointSize = 10;
    bool bold = false;
    // Width of a text that wraps at word boundaries and makes its band grow; 0 for one line.
    double wrapWidth = 0;
};

// The lines drawn around a band.
enum class BandFrame {
    None,
    Box,   // all four sides (column headers)
    Table, // left, right and bottom (detail rows that form a table)
    Sides, // left and right only
};

// A picture of a band, stretched to its rectangle.
struct BandImage {
    QImage image;
    QRectF rect;
};

struct Band {
    double height = 0;
    BandFrame frame = BandFrame::None;
    std::vector<BandText> texts;
    std::optional<BandImage> image;

    // Adds a text and returns the band, so bands read as lists.
    Band& add(const QString& text, double x, double y, BandText::Align align = BandText::Align::Left,
              int pointSize = 10, bool bold = false);
    Band& left(const QString& text, double x, double y, bool bold = false) {
        return add(text, x, y, BandText::Align::Left, 10, bold);
    }
    Band& right(const QString& text, double x, double y, bool bold = false) {
        return add(text, x, y, BandText::Align::Right, 10, bold);
    }
    // All texts of the band in their order.
    QStringList textList() const;
};

// One report of a print job: its bands.
struct ReportPart {
    QString name;
    std::optional<Band> title;
    std::optional<Band> header;
    std::vector<Band> details;
    std::optional<Band> summary;
};

// Paper set-up of a job: title, orientation and margins (millimetres). The paper size is the
// printer's own; the layouts are designed for A4.
struct ReportPageSetup {
    QString jobTitle;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins; // left, top, right, bottom
};

// A print job: its page set-up and its parts; every part begins on a new page.
struct Report {
    ReportPageSetup page;
    std::vector<ReportPart> parts;
};

// A band placed on a page at `top` millimetres below the top margin, `height` tall.
struct PlacedBand {
    enum class Kind { Title, Header, Detail, Summary };
    const Band* band = nullptr;
    Kind kind = Kind::Detail;
    int part = 0;
    double top = 0, height = 0;
};
using ReportPage = std::vector<PlacedBand>;

// Measures band heights (wrapped texts) for a paint device's resolution.
class BandMeasure {
public:
    explicit BandMeasure(const QPaintDevice* device) : m_device(device) {}
    // Height of the band in millimetres: its design height, or more when a wrapped text needs it.
    double height(const Band& band) const;

private:
    const QPaintDevice* m_device;
};

// The pages of a report for a printable area `pageHeight` millimetres tall.
std::vector<ReportPage> paginate(const Report& report, double pageHeight, const BandMeasure& measure);

// The font of a band text ("Arial", its size and weight).
QFont bandFont(const BandText& text);

// Draws one page onto a painter whose origin is the top left of the printable area, for a
// device of dpiX x dpiY dots per inch and a printable width of `width` millimetres.
void paintPage(QPainter& painter, const ReportPage& page, double width, double dpiX, double dpiY);

// Sets the job's orientation and margins on a device, keeping its paper size.
void applyPageSetup(QPagedPaintDevice& device, const ReportPageSetup& setup);

// Prints the report onto a device whose page set-up was applied: every page in fromPage..toPage
// (1-based; 0 means from the first or to the last page). Returns the pages drawn; -1 when the
// device could not be painted on.
int printReport(const Report& report, QPagedPaintDevice& device, int fromPage = 0, int toPage = 0);

// The texts of a page in drawing order (title, header, details, summary).
QStringList pageTexts(const ReportPage& page);

} // namespace palvane
