#pragma once
// The Solution Page: the stored solution of the current task in three linked read-only grids
// (containers used, box kinds of the selected container, box positions in it), the container
// fixing switch, and the View, Print, File and Close commands.
#include "CursorTableModel.h"
#include "DMForm.h"
#include "LoadingSheetButton.h"
#include "Prompter.h"
#include "TasksForm.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <functional>

namespace palvane {

// A solution grid's model: right-aligns the columns it is given.
class SolutTableModel : public CursorTableModel {
    Q_OBJECT
public:
    SolutTableModel(Cursor& cursor, std::vector<GridColumn> columns, QStringList rightAligned,
                    QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_rightAligned;
};

class TSolutForm : public QDialog {
    Q_OBJECT
public:
    // `exportFolder` is where File writes the CSV files (the home folder's "solutions").
    TSolutForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, const QString& exportFolder,
               QWidget* parent = nullptr);

    // Shows the window modally.
    int showModal();

    // ---- commands ----
    void FixDBCheckMouseUp();
    void ChartButtonClick();
    void PrintButtonClick();
    void FileButtonClick();
    void CloseButtonClick();
    // Widens the columns of a grid with the grid, never below their design widths and the widths
    // of their titles and texts.
    void ScaleColumns(QTableView* grid);
    // Texts in the current language.
    void retranslate();

    // Rebuilds the workspace's plan of the current task when it holds another one (the Task
    // Page's rebuild); called by View before the drawing is requested.
    std::function<void()> rebuildPlan;
    // Asked by the Print commands before anything else (the report printer's check): true when
    // the reports are unavailable, after saying so; the command then prints nothing. Unset:
    // never refused.
    std::function<bool()> reportsRefused;
    // Busy state around long commands (hourglass and disabled window); tests watch it.
    void setBusy(bool busy);

    // ---- controls ----
    QLabel *Label2, *Label3, *Label12;
    QTableView *SolutGrid, *DistrGrid, *PositGrid;
    SolutTableModel *SolutModel, *DistrModel, *PositModel;
    QCheckBox* FixDBCheck;
    QGroupBox *GroupBox1, *GroupBox2;
    QLabel *TypeLabel, *LoadWtLabel, *VolLabel1, *LhwLabel1, *KindLabel, *WeightLabel, *VolLabel2, *LhwLabel2;
    QLabel *TypeValue, *LoadWtValue, *VolValue1, *LhwValue1, *KindValue, *WeightValue, *VolValue2, *LhwValue2;
    QPushButton *ChartButton, *PrintButton, *FileButton, *CloseButton;
    LoadingSheetButton* SheetButton;

signals:
    // The drawn layout (Disposition window) and the solution report are asked for.
    void chartRequested();
    void printRequested();
    // The loading sheet of the container numbered `container` (all when 0) is asked for.
    void sheetRequested(int container);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Esc works as Close.
    void reject() override { CloseButtonClick(); }

private:
    QTableView* makeGrid(const char* name, SolutTableModel* model, bool keepSelection);
    void showSelected();
    // Puts the grid's current row on its cursor's current row.
    void followCursor(QTableView* grid);
    void place();

    TDMForm& m_dm;
    Prompter& m_prompter;
    TTasksForm& m_page;
    QString m_exportFolder;
};

} // namespace palvane
