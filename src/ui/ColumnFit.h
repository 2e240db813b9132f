#pragma once
// Column widths that follow the texts of a grid: every column is at least as wide as its title
// and the widest text of its rows need, measured with the grid's own fonts and the style's
// margins, and never narrower than its designed width. Numbers like 30720 and translated titles
// are then shown whole whatever font the desktop uses.
#include <QObject>
#include <QPointer>
#include <QTableView>
#include <vector>

namespace palvane {

class CursorTableModel;

// The designed widths of a model's grid columns, -1 for a hidden column.
std::vector<int> designWidths(const CursorTableModel& model);

// Width a cell text needs in a grid column: the text, the style's item margins and the grid line.
int cellTextWidth(const QTableView* grid, const QString& text);
// Width a column title needs in a grid's header: the text and the style's header margins.
int titleTextWidth(const QTableView* grid, const QString& title);

class ColumnFitter : public QObject {
    Q_OBJECT
public:
    // How the base widths become column widths.
    enum class Mode {
        Grow,  // a column narrower than its base width is widened to it
        Scale, // all columns grow with the grid: base x max((grid width - 50) / base sum, 1)
    };
    // `design` holds one designed width per model column; a negative width marks a column that
    // is left alone (hidden).
    ColumnFitter(QTableView* grid, std::vector<int> design, Mode mode);

    // The fitter of a grid, null when it has none.
    static ColumnFitter* of(const QTableView* grid);

    // Width the title and the widest cell text of a column need (0 for a column left alone).
    int textWidth(int column) const;
    // The designed widths raised to the text widths (negative for columns left alone).
    std::vector<int> baseWidths() const;
    const std::vector<int>& designWidths() const { return m_design; }
    // Measures every row and title again and sets the column widths.
    void refit();
    // Sets the column widths from the base widths (the window's resize).
    void apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void measureRows(int first, int last);
    void measureTitles();

    QPointer<QTableView> m_grid;
    std::vector<int> m_design;
    Mode m_mode;
    std::vector<int> m_cells;  // widest cell text per column
    std::vector<int> m_titles; // title per column
};

} // namespace palvane
