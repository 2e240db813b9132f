#include "SolutForm.h"
#include "WindowFit.h"

#include "ColumnFit.h"
#include "SolutionCsv.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QVBoxLayout>
#include <cmath>

namespace palvane {

// ---- model ----

SolutTableModel::SolutTableModel(Cursor& cursor, std::vector<GridColumn> columns, QStringList rightAligned,
                                 QObject* parent)
    : CursorTableModel(cursor, std::move(columns), parent), m_rightAligned(std::move(rightAligned)) {
    setReadOnly(true);
}

QVariant SolutTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole && index.isValid() &&
        m_rightAligned.contains(gridColumns()[size_t(index.column())].field))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return CursorTableModel::data(index, role);
}

QVariant SolutTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::TextAlignmentRole && orientation == Qt::Horizontal)
        return QVariant(Qt::AlignCenter);
    return CursorTableModel::headerData(section, orientation, role);
}

// ---- window ----

namespace {

QLabel* valueLabel(QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(90);
    return l;
}

} // namespace

TSolutForm::TSolutForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, const QString& exportFolder,
                       QWidget* parent)
    : QDialog(parent), m_dm(dm), m_prompter(prompter), m_page(page), m_exportFolder(exportFolder) {
    setObjectName(QStringLiteral("SolutForm"));
    setWindowFlags((windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setProperty("helpContext", 5);
    resize(777, 516);

    std::vector<GridColumn> solut{{"Type", "", 80},     {"ContNo", "", 24},  {"FixCont", "", 36},
                                  {"BoxLoad", "", 32},  {"VolLoad", "", 44}, {"VolEff", "", 44},
                                  {"WgtLoad", "", 44},  {"WgtEff", "", 40},  {"CostLoad", "", 44},
                                  {"NoseLoad", "", 44}, {"TailLoad", "", 44}};
    solut[2].background = QColor(0xE6, 0xE6, 0xE6);
    SolutModel = new SolutTableModel(dm.solut(), std::move(solut), {}, this);
    DistrModel = new SolutTableModel(
        dm.distr(),
        {{"Kind", "", 90}, {"Placed", "", 36}, {"VolSum", "", 50}, {"WgtSum", "", 50}, {"Mark", "", 40}},
        {QStringLiteral("Mark")}, this);
    PositModel = new SolutTableModel(dm.posit(),
                                     {{"Kind", "", 90},
                                      {"BoxNo", "", 40},
                                      {"PosX", "", 50},
                                      {"PosY", "", 50},
                                      {"PosLh", "", 50},
                                      {"PosWh", "", 50},
                                      {"LoadNo", "", 50}},
                                     {}, this);
    SolutGrid = makeGrid("SolutGrid", SolutModel, true);
    DistrGrid = makeGrid("DistrGrid", DistrModel, true);
    PositGrid = makeGrid("PositGrid", PositModel, false);
    SolutGrid->setMinimumSize(449, 150);
    SolutGrid->setMaximumHeight(150);
    DistrGrid->setFixedWidth(296);
    DistrGrid->setMinimumHeight(200);

    Label2 = new QLabel(this);
    Label3 = new QLabel(this);
    Label12 = new QLabel(this);
    FixDBCheck = new QCheckBox(this);
    FixDBCheck->setObjectName(QStringLiteral("FixDBCheck"));
    connect(FixDBCheck, &QCheckBox::clicked, this, &TSolutForm::FixDBCheckMouseUp);

    GroupBox1 = new QGroupBox(this);
    GroupBox2 = new QGroupBox(this);
    TypeLabel = new QLabel(GroupBox1);
    LoadWtLabel = new QLabel(GroupBox1);
    VolLabel1 = new QLabel(GroupBox1);
    LhwLabel1 = new QLabel(GroupBox1);
    KindLabel = new QLabel(GroupBox2);
    WeightLabel = new QLabel(GroupBox2);
    VolLabel2 = new QLabel(GroupBox2);
    LhwLabel2 = new QLabel(GroupBox2);
    TypeValue = valueLabel(GroupBox1);
    LoadWtValue = valueLabel(GroupBox1);
    VolValue1 = valueLabel(GroupBox1);
    LhwValue1 = valueLabel(GroupBox1);
    KindValue = valueLabel(GroupBox2);
    WeightValue = valueLabel(GroupBox2);
    VolValue2 = valueLabel(GroupBox2);
    LhwValue2 = valueLabel(GroupBox2);
    auto fillBox = [](QGroupBox* box, std::initializer_list<std::pair<QLabel*, QLabel*>> rows) {
        auto* g = new QGridLayout(box);
        int r = 0;
        for (auto [caption, value] : rows) {
            g->addWidget(caption, r, 0);
            g->addWidget(value, r++, 1);
        }
    };
    fillBox(
        GroupBox1,
        {{TypeLabel, TypeValue}, {LoadWtLabel, LoadWtValue}, {VolLabel1, VolValue1}, {LhwLabel1, LhwValue1}});
    fillBox(
        GroupBox2,
        {{KindLabel, KindValue}, {WeightLabel, WeightValue}, {VolLabel2, VolValue2}, {LhwLabel2, LhwValue2}});

    ChartButton = new QPushButton(this);
    PrintButton = new QPushButton(this);
    FileButton = new QPushButton(this);
    CloseButton = new QPushButton(this);
    SheetButton = new LoadingSheetButton(this);
    SheetButton->currentContainer = [this] {
        Cursor& solut = m_dm.solut();
        return solut.isActive() && !solut.isEmpty() ? solut.intValue(QStringLiteral("ContNo")) : 0;
    };
    connect(SheetButton, &LoadingSheetButton::requested, this, [this](int container) {
        if (!reportsRefused || !reportsRefused())
            emit sheetRequested(container);
    });
    for (QPushButton* b : {ChartButton, PrintButton, FileButton, CloseButton})
        b->setAutoDefault(false);
    ChartButton->setObjectName(QStringLiteral("ChartButton"));
    PrintButton->setObjectName(QStringLiteral("PrintButton"));
    FileButton->setObjectName(QStringLiteral("FileButton"));
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    connect(ChartButton, &QPushButton::clicked, this, &TSolutForm::ChartButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TSolutForm::PrintButtonClick);
    connect(FileButton, &QPushButton::clicked, this, &TSolutForm::FileButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TSolutForm::CloseButtonClick);

    auto* top = new QHBoxLayout;
    top->addWidget(Label2);
    top->addSpacing(12);
    top->addWidget(FixDBCheck);
    top->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addWidget(SolutGrid);
    left->addWidget(Label12);
    left->addWidget(PositGrid, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(ChartButton, 0, 0);
    buttons->addWidget(PrintButton, 0, 1);
    buttons->addWidget(FileButton, 1, 0);
    buttons->addWidget(CloseButton, 1, 1);
    buttons->addWidget(SheetButton, 2, 0, 1, 2);
    auto* right = new QVBoxLayout;
    right->addWidget(Label3);
    right->addWidget(DistrGrid, 1);
    right->addWidget(GroupBox1);
    right->addWidget(GroupBox2);
    right->addLayout(buttons);
    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 1);
    main->addLayout(right);

    for (Cursor* c : {&dm.solut(), &dm.distr()}) {
        connect(c, &Cursor::currentChanged, this, &TSolutForm::showSelected);
        connect(c, &Cursor::rowsReset, this, &TSolutForm::showSelected);
        connect(c, &Cursor::rowChanged, this, &TSolutForm::showSelected);
    }
    // FormCreate
    dm.distr().refresh();
    retranslate();
    showSelected();
}

QTableView* TSolutForm::makeGrid(const char* name, SolutTableModel* model, bool keepSelection) {
    auto* grid = new QTableView(this);
    grid->setObjectName(QLatin1String(name));
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->verticalHeader()->setDefaultSectionSize(20);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->horizontalHeader()->setSectionsMovable(false);
    grid->horizontalHeader()->setHighlightSections(false);
    // A column dragged to another place goes back at once.
    connect(grid->horizontalHeader(), &QHeaderView::sectionMoved, grid, [grid](int, int from, int to) {
        QSignalBlocker block(grid->horizontalHeader());
        grid->horizontalHeader()->moveSection(to, from);
    });
    // Columns are as wide as their titles and texts, never below their design widths; the
    // container and position grids also grow with the window.
    for (int i = 0; i < model->columnCount(); ++i)
        grid->setColumnWidth(i, model->gridColumns()[size_t(i)].width);
    new ColumnFitter(grid, designWidths(*model),
                     model == DistrModel ? ColumnFitter::Mode::Grow : ColumnFitter::Mode::Scale);
    if (!keepSelection)
        grid->setStyleSheet(QStringLiteral("QTableView:!focus { selection-background-color: transparent; "
                                           "selection-color: palette(text); }"));
    // The grid's current row is the cursor's current row.
    Cursor& cursor = model->cursor();
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [&cursor](const QModelIndex& current) {
                if (current.isValid() && current.row() != cursor.currentRow())
                    cursor.moveTo(current.row());
            });
    auto follow = [this, grid]() { followCursor(grid); };
    connect(&cursor, &Cursor::currentChanged, grid, follow);
    connect(&cursor, &Cursor::rowsReset, grid, follow);
    followCursor(grid);
    return grid;
}

void TSolutForm::followCursor(QTableView* grid) {
    auto* model = static_cast<SolutTableModel*>(grid->model());
    const int row = model->cursor().currentRow();
    if (row < 0 || row >= model->rowCount())
        return;
    const QModelIndex cur = grid->currentIndex();
    if (cur.row() != row)
        grid->setCurrentIndex(model->index(row, cur.isValid() ? cur.column() : 0));
}

void TSolutForm::retranslate() {
    setWindowTitle(applicationTitle() + tr("  -  Solution page"));
    Label2->setText(tr("CONTAINER  TOTAL  LOAD  DATA "));
    Label3->setText(tr("BOX SET in the SELECTED CONTAINER "));
    Label12->setText(tr("BOX  POSITIONS  in  the  SELECTED  CONTAINER"));
    SolutGrid->setToolTip(tr("Containers used in the solution"));
    DistrGrid->setToolTip(tr("Box set placed into selected container "));
    PositGrid->setToolTip(tr("Box coordinates & put orientations"));
    FixDBCheck->setText(tr("Fix Selected"));
    FixDBCheck->setToolTip(tr("Container fixing switch"));
    GroupBox1->setTitle(tr(" Selected Container "));
    GroupBox2->setTitle(tr(" Selected Box "));
    TypeLabel->setText(tr("Type "));
    LoadWtLabel->setText(tr("Load Weight"));
    VolLabel1->setText(tr("Area"));
    LhwLabel1->setText(tr("L , W"));
    KindLabel->setText(tr("Kind "));
    WeightLabel->setText(tr("Box Weight"));
    VolLabel2->setText(tr("Area"));
    LhwLabel2->setText(tr("L , W"));
    ChartButton->setText(tr("&View"));
    ChartButton->setToolTip(tr("Open Image Page"));
    PrintButton->setText(tr("&Print"));
    PrintButton->setToolTip(tr("Print Solution Data"));
    SheetButton->retranslate();
    FileButton->setText(tr("&File"));
    FileButton->setToolTip(tr("File Solution Data"));
    CloseButton->setText(tr("Clos&e"));
    CloseButton->setToolTip(tr("Return to Task page"));
    const QStringList solutTitles{tr("Container Type"), tr("No"),     tr("Fixed"),  tr("Box"),
                                  tr("Area"),           tr("%Area"),  tr("Weight"), tr("%Wgt"),
                                  tr("Cost"),           tr("NoseWt"), tr("TailWt")};
    for (int i = 0; i < solutTitles.size(); ++i)
        SolutModel->setTitle(i, solutTitles[i]);
    const QStringList distrTitles{tr("Box Kind"), tr("Sum"), tr(" Area"), tr("Weight"), QString()};
    for (int i = 0; i < distrTitles.size(); ++i)
        DistrModel->setTitle(i, distrTitles[i]);
    const QStringList positTitles{tr("Box Kind"), tr("No"),    tr("Pos X"), tr("Pos Y"),
                                  tr("Put L"),    tr("Put W"), tr("Load N")};
    for (int i = 0; i < positTitles.size(); ++i)
        PositModel->setTitle(i, positTitles[i]);
    fitMinimumSize(this, QSize(650, 470));
}

void TSolutForm::showSelected() {
    Cursor& s = m_dm.solut();
    Cursor& d = m_dm.distr();
    const bool hasSolut = s.isActive() && s.currentRow() >= 0;
    const bool hasDistr = d.isActive() && d.currentRow() >= 0;
    auto text = [](Cursor& c, bool has, const char* field) {
        return has ? c.displayText(c.currentRow(), QLatin1String(field)) : QString();
    };
    TypeValue->setText(text(s, hasSolut, "Type"));
    LoadWtValue->setText(text(s, hasSolut, "LoadWt"));
    VolValue1->setText(text(s, hasSolut, "Volume"));
    LhwValue1->setText(text(s, hasSolut, "LHW"));
    KindValue->setText(text(d, hasDistr, "Kind"));
    WeightValue->setText(text(d, hasDistr, "Weight"));
    VolValue2->setText(text(d, hasDistr, "Volume"));
    LhwValue2->setText(text(d, hasDistr, "LHW"));
    FixDBCheck->setEnabled(hasSolut);
    FixDBCheck->setChecked(hasSolut && s.value(QStringLiteral("FixCont")).toBool());
}

int TSolutForm::showModal() {
    return exec();
}

void TSolutForm::showEvent(QShowEvent* event) {
    place();
    for (QTableView* grid : {SolutGrid, DistrGrid, PositGrid})
        followCursor(grid);
    QDialog::showEvent(event);
    ChartButton->setFocus();
}

void TSolutForm::place() {
    if (!m_page.reposition(RepositionWindow::SolutionPage))
        return;
    const QScreen* screen = m_page.screen() ? m_page.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    move(std::max(4, area.width() - width() - 4), std::max(0, area.height() - height() - 30));
    keepOnScreen(this);
    m_page.clearReposition(RepositionWindow::SolutionPage);
}

void TSolutForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    ScaleColumns(SolutGrid);
    ScaleColumns(PositGrid);
}

void TSolutForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::FontChange)
        fitMinimumSize(this, QSize(650, 470));
    QDialog::changeEvent(event);
}

void TSolutForm::ScaleColumns(QTableView* grid) {
    if (ColumnFitter* fitter = ColumnFitter::of(grid))
        fitter->apply();
}

void TSolutForm::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    setEnabled(!busy);
}

void TSolutForm::FixDBCheckMouseUp() {
    Cursor& s = m_dm.solut();
    if (s.currentRow() < 0)
        return;
    if (s.setValue(QStringLiteral("FixCont"), FixDBCheck->isChecked()))
        s.post();
    showSelected();
}

void TSolutForm::ChartButtonClick() {
    if (rebuildPlan) {
        setBusy(true);
        rebuildPlan();
        setBusy(false);
    }
    emit chartRequested();
    CloseButton->setFocus();
}

void TSolutForm::PrintButtonClick() {
    if (reportsRefused && reportsRefused())
        return;
    if (m_dm.WarnsCheck) {
        if (m_prompter.ask(PromptKind::Confirmation, tr("Print current solution report now?"),
                           PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
        m_prompter.ask(PromptKind::Confirmation,
                       tr("Note: to print the other container") + QLatin1Char('\r') +
                           tr("data, select it and press \"Print\""),
                       PromptButtons::Ok);
    }
    emit printRequested();
}

void TSolutForm::FileButtonClick() {
    SolutionCsvHooks hooks;
    hooks.busy = [this](bool busy) { setBusy(busy); };
    ExportSolutionCsv(m_dm, m_exportFolder, m_prompter, hooks);
}

void TSolutForm::CloseButtonClick() {
    done(QDialog::Accepted);
}

} // namespace palvane
