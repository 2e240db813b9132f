#include "ColumnFit.h"

#include "CursorTableModel.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <cmath>

namespace palvane {

namespace {

const char* const FitterProperty = "palvaneColumnFitter";
// Room the grid's slack keeps free when the columns grow with the grid.
constexpr int ScaleSlack = 50;

int advance(const QFont& font, const QString& text) {
    // One pixel more than the exact advance: the painter's layout rounds its own way.
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text))) + 1;
}

} // namespace

std::vector<int> designWidths(const CursorTableModel& model) {
    std::vector<int> design;
    for (const GridColumn& c : model.gridColumns())
        design.push_back(c.hidden ? -1 : c.width);
    return design;
}

int cellTextWidth(const QTableView* grid, const QString& text) {
    if (text.isEmpty())
        return 0;
    // The item view draws its text inside the focus frame margin plus one pixel on both sides,
    // and the grid line takes one pixel of the column.
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return advance(grid->font(), text) + 2 * margin + (grid->showGrid() ? 1 : 0);
}

int titleTextWidth(const QTableView* grid, const QString& title) {
    if (title.isEmpty())
        return 0;
    const QHeaderView* header = grid->horizontalHeader();
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    return advance(header->font(), title) + 2 * margin;
}

ColumnFitter::ColumnFitter(QTableView* grid, std::vector<int> design, Mode mode)
    : QObject(grid), m_grid(grid), m_design(std::move(design)), m_mode(mode) {
    grid->setProperty(FitterProperty, QVariant::fromValue<QObject*>(this));
    QAbstractItemModel* model = grid->model();
    auto full = [this] { refit(); };
    connect(model, &QAbstractItemModel::modelReset, this, full);
    connect(model, &QAbstractItemModel::layoutChanged, this, full);
    connect(model, &QAbstractItemModel::rowsRemoved, this, full);
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        measureRows(first, last);
        apply();
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) {
                measureRows(from.row(), to.row());
                apply();
            });
    connect(model, &QAbstractItemModel::headerDataChanged, this, [this] {
        measureTitles();
        apply();
    });
    grid->installEventFilter(this);
    grid->horizontalHeader()->installEventFilter(this);
    refit();
}

ColumnFitter* ColumnFitter::of(const QTableView* grid) {
    return grid ? qobject_cast<ColumnFitter*>(grid->property(FitterProperty).value<QObject*>()) : nullptr;
}

int ColumnFitter::textWidth(int column) const {
    if (column < 0 || size_t(column) >= m_design.size() || m_design[size_t(column)] < 0)
        return 0;
    return std::max(m_cells[size_t(column)], m_titles[size_t(column)]);
}

std::vector<int> ColumnFitter::baseWidths() const {
    std::vector<int> base(m_design.size());
    for (size_t i = 0; i < m_design.size(); ++i)
        base[i] = m_design[i] < 0 ? m_design[i] : std::max(m_design[i], textWidth(int(i)));
    return base;
}

void ColumnFitter::measureTitles() {
    QAbstractItemModel* model = m_grid->model();
    m_titles.assign(m_design.size(), 0);
    for (size_t c = 0; c < m_design.size() && int(c) < model->columnCount(); ++c)
        m_titles[c] = titleTextWidth(m_grid, model->headerData(int(c), Qt::Horizontal).toString());
}

void ColumnFitter::measureRows(int first, int last) {
    QAbstractItemModel* model = m_grid->model();
    m_cells.resize(m_design.size(), 0);
    const int columns = std::min(int(m_design.size()), model->columnCount());
    last = std::min(last, model->rowCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r)
        for (int c = 0; c < columns; ++c)
            if (m_design[size_t(c)] >= 0)
                m_cells[size_t(c)] =
                    std::max(m_cells[size_t(c)], cellTextWidth(m_grid, model->index(r, c).data().toString()));
}

void ColumnFitter::refit() {
    if (!m_grid)
        return;
    m_cells.assign(m_design.size(), 0);
    measureTitles();
    measureRows(0, m_grid->model()->rowCount() - 1);
    apply();
}

void ColumnFitter::apply() {
    if (!m_grid)
        return;
    const std::vector<int> base = baseWidths();
    double factor = 1.0;
    if (m_mode == Mode::Scale) {
        int sum = 0;
        for (int w : base)
            if (w > 0)
                sum += w;
        if (sum > 0)
            factor = std::max(double(m_grid->width() - ScaleSlack) / sum, 1.0);
    }
    for (size_t i = 0; i < base.size(); ++i) {
        if (base[i] < 0)
            continue;
        if (m_mode == Mode::Scale)
            m_grid->setColumnWidth(int(i), int(std::nearbyint(factor * base[i])));
        else if (m_grid->columnWidth(int(i)) < base[i])
            m_grid->setColumnWidth(int(i), base[i]);
    }
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
        refit();
        break;
    case QEvent::Resize:
        if (m_mode == Mode::Scale && watched == m_grid)
            apply();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace palvane
