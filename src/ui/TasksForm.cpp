// The Task Page's controls: creation, layout, texts, colours, bindings and enabling rules.
#include "TasksForm.h"
#include "WindowFit.h"

#include "ColumnFit.h"
#include "DataGrid.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace palvane {

// ---- TTasksForm: controls ----

namespace {

// The active database's label (shown only while an exchange database is active).
QString exchLabelText(int database) {
    return database == ExportDatabase   ? TTasksForm::tr("Export DB on")
           : database == ImportDatabase ? TTasksForm::tr("Import DB on")
                                        : TTasksForm::tr(" Home DB on");
}

QLabel* label(QWidget* parent) {
    return new QLabel(parent);
}

QLineEdit* readOnlyEdit(QWidget* parent, int width, const QColor& background) {
    auto* e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setFixedWidth(width);
    e->setFocusPolicy(Qt::ClickFocus);
    e->setAlignment(Qt::AlignRight);
    if (background.isValid()) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, background);
        e->setPalette(p);
    }
    return e;
}

std::vector<GridColumn> contsColumns() {
    std::vector<GridColumn> c{
        {QStringLiteral("Type"), QString(), 138},
        {QStringLiteral("Cost"), QString(), 64},
        {QStringLiteral("Prior"), QString(), 64, true},
        {QStringLiteral("Avail"), QString(), 64},
        {QStringLiteral("Used"), QString(), 64, false, true},
        {QStringLiteral("Mark"), QString(), 64, false, true},
        {QStringLiteral("Length"), QString(), 64, false, true},
        {QStringLiteral("Width"), QString(), 64, false, true},
        {QStringLiteral("Volume"), QString(), 64, false, true},
        {QStringLiteral("LoadWt"), QString(), 64, false, true},
        {QStringLiteral("FillDir"), QString(), 64, false, true},
    };
    return c;
}

std::vector<GridColumn> boxesColumns() {
    std::vector<GridColumn> c{
        {QStringLiteral("Kind"), QString(), 141},
        {QStringLiteral("Cost"), QString(), 64},
        {QStringLiteral("Prior"), QString(), 64, true},
        {QStringLiteral("Total"), QString(), 64},
        {QStringLiteral("Placed"), QString(), 64, false, true},
        {QStringLiteral("Mark"), QString(), 64, false, true},
        {QStringLiteral("Length"), QString(), 64, false, true},
        {QStringLiteral("Width"), QString(), 64, false, true},
        {QStringLiteral("Volume"), QString(), 64, false, true},
        {QStringLiteral("Weight"), QString(), 64, false, true},
        {QStringLiteral("TurnOn"), QString(), 64, false, true},
    };
    return c;
}

// Cost green, the quantity blue, every column from the fifth on yellow.
void colourColumns(CursorTableModel* model) {
    for (int i = 0; i < model->columnCount(); ++i) {
        GridColumn& c = model->gridColumn(i);
        if (i == 1)
            c.foreground = QColor(0, 128, 0);
        if (i == 3)
            c.foreground = QColor(0, 0, 255);
        if (i >= 4)
            c.background = TTasksForm::yellowColor();
    }
}

} // namespace

TTasksForm::TTasksForm(TDMForm& dm, Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_dm(dm), m_prompter(prompter) {
    setObjectName(QStringLiteral("TasksForm"));
    createControls();
    createGrids();
    layoutControls();
    retranslate();
    bindTaskEdits();
    connectDataModule();
    resize(780, 557);
    fitMinimumSize(this, DesignMinimum);
    NewFileNameCaption();
}

TTasksForm::~TTasksForm() {
    // The controls go before this object: focus changes among them while they are destroyed
    // must not store rows into grids that are half gone.
    disconnect(qApp, nullptr, this, nullptr);
}

void TTasksForm::createControls() {
    for (QLabel** l :
         {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11,
          &Label12, &Label13, &Label14, &Label15, &Label19, &VolLabel1, &VolLabel2, &ExchLabel})
        *l = label(this);
    QFont bold = Label1->font();
    bold.setBold(true);
    for (QLabel* l : {Label1, Label2, Label3, Label4})
        l->setFont(bold);
    QPalette red = ExchLabel->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ExchLabel->setPalette(red);
    ExchLabel->setFont(bold);
    ExchLabel->hide();

    NameEdit = new QLineEdit(this);
    QPalette aqua = NameEdit->palette();
    aqua.setColor(QPalette::Base, aquaColor());
    NameEdit->setPalette(aqua);
    // The edits take no more characters than their task fields hold, so a long text is cut
    // while typing instead of being refused whole when the edit is left.
    const auto fieldLength = [](const char* field) {
        for (const FieldDef& f : tableDef(Table::Tasks).fields)
            if (qstrcmp(f.name, field) == 0)
                return f.length;
        return 32767;
    };
    NameEdit->setMaxLength(fieldLength("Name"));
    DescrEdit = new QLineEdit(this);
    DescrEdit->setMaxLength(fieldLength("Descr"));
    DateEdit = new QLineEdit(this);
    DateEdit->setReadOnly(true);
    DateEdit->setFixedWidth(90);

    for (QPushButton** b : {&TaskButton, &ContsButton, &BoxesButton, &RunButton, &ViewButton, &ResultButton,
                            &OptButton, &PrintButton, &HelpButton, &ExitButton})
        *b = new QPushButton(this);
    TaskButton->setFixedWidth(28);
    HelpButton->setFixedWidth(28);
    RunButton->setDefault(true);
    ResultButton->setEnabled(false);

    TasksNavigator = new CursorNavigator(m_dm.tasks(), &m_prompter, this);
    ContsNavigator = new CursorNavigator(m_dm.tc(), &m_prompter, this);
    BoxesNavigator = new CursorNavigator(m_dm.tb(), &m_prompter, this);

    const QColor yellow = yellowColor(), aquaC = aquaColor();
    EffWgt = readOnlyEdit(this, 60, aquaC);
    EffVol = readOnlyEdit(this, 60, aquaC);
    CostPck = readOnlyEdit(this, 90, aquaC);
    AvlNmb = readOnlyEdit(this, 60, yellow);
    AvlWgt = readOnlyEdit(this, 72, yellow);
    AvlVol = readOnlyEdit(this, 72, yellow);
    TotNmb = readOnlyEdit(this, 60, yellow);
    TotWgt = readOnlyEdit(this, 72, yellow);
    TotVol = readOnlyEdit(this, 72, yellow);
    UsdNmb = readOnlyEdit(this, 60, aquaC);
    UsdWgt = readOnlyEdit(this, 72, aquaC);
    UsdVol = readOnlyEdit(this, 72, aquaC);
    LftNmb = readOnlyEdit(this, 60, aquaC);
    LftWgt = readOnlyEdit(this, 72, aquaC);
    LftVol = readOnlyEdit(this, 72, aquaC);
    VolMltEdit = readOnlyEdit(this, 70, QColor());

    DBCheckDflt = new QCheckBox(this);
    DBCheckTurn = new QCheckBox(this);
    DBCheckDflt->setLayoutDirection(Qt::RightToLeft);
    VolMltUp = new UpDown(0, 6, this);

    HelpPopup = new palvane::HelpMenu(this);

    connect(TaskButton, &QPushButton::clicked, this, &TTasksForm::TaskButtonClick);
    connect(ContsButton, &QPushButton::clicked, this, &TTasksForm::containerLibraryRequested);
    connect(BoxesButton, &QPushButton::clicked, this, &TTasksForm::boxLibraryRequested);
    connect(RunButton, &QPushButton::clicked, this, &TTasksForm::RunButtonClick);
    connect(ViewButton, &QPushButton::clicked, this, &TTasksForm::ViewButtonClick);
    connect(ResultButton, &QPushButton::clicked, this, &TTasksForm::ResultButtonClick);
    connect(OptButton, &QPushButton::clicked, this, &TTasksForm::settingsRequested);
    connect(PrintButton, &QPushButton::clicked, this, &TTasksForm::PrintButtonClick);
    connect(ExitButton, &QPushButton::clicked, this, &TTasksForm::ExitButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, [this] { HelpPopup->popupAt(HelpButton); });
    connect(VolMltUp, &UpDown::clicked, this, [this] { UpdateAreaMultiplier(true); });
}

QTableView* TTasksForm::makeGrid(CursorTableModel* model, const QString& name) {
    auto* g = new DataGrid(this);
    g->setObjectName(name);
    g->setModel(model);
    g->setSelectionBehavior(QAbstractItemView::SelectItems);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                       QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    g->verticalHeader()->setDefaultSectionSize(20);
    g->verticalHeader()->setFixedWidth(14);
    g->horizontalHeader()->setSectionsMovable(false);
    g->horizontalHeader()->setHighlightSections(false);
    for (int i = 0; i < model->columnCount(); ++i) {
        const GridColumn& c = model->gridColumns()[size_t(i)];
        g->setColumnWidth(i, c.width);
        g->setColumnHidden(i, c.hidden);
    }
    // Titles and numbers are shown whole; the columns also grow with the grid.
    new ColumnFitter(g, palvane::designWidths(*model), ColumnFitter::Mode::Scale);
    g->installEventFilter(this);
    g->viewport()->installEventFilter(this);
    return g;
}

void TTasksForm::createGrids() {
    ContsModel = new CursorTableModel(m_dm.tc(), contsColumns(), this);
    BoxesModel = new CursorTableModel(m_dm.tb(), boxesColumns(), this);
    colourColumns(ContsModel);
    colourColumns(BoxesModel);
    ContsGrid = makeGrid(ContsModel, QStringLiteral("ContsGrid"));
    BoxesGrid = makeGrid(BoxesModel, QStringLiteral("BoxesGrid"));
    ContsTypeDelegate = new LookupDelegate(m_dm.conts(), QStringLiteral("Type"), 12, this);
    BoxesKindDelegate = new LookupDelegate(m_dm.boxes(), QStringLiteral("Kind"), 18, this);
    ContsTypeDelegate->setKeyField(QStringLiteral("TypeID"));
    BoxesKindDelegate->setKeyField(QStringLiteral("KindID"));
    ContsGrid->setItemDelegateForColumn(0, ContsTypeDelegate);
    BoxesGrid->setItemDelegateForColumn(0, BoxesKindDelegate);
    syncGridRow(ContsGrid, m_dm.tc());
    syncGridRow(BoxesGrid, m_dm.tb());
    ContsNavigator->setGrid(ContsGrid);
    BoxesNavigator->setGrid(BoxesGrid);
}

void TTasksForm::layoutControls() {
    auto* top = new QGridLayout;
    top->addWidget(Label1, 0, 0);
    top->addWidget(NameEdit, 0, 1);
    top->addWidget(TaskButton, 0, 2);
    top->addWidget(TasksNavigator, 0, 3);
    top->addWidget(ExchLabel, 0, 4, Qt::AlignRight);
    top->addWidget(Label2, 1, 0);
    auto* descr = new QHBoxLayout;
    descr->addWidget(DescrEdit, 1);
    descr->addWidget(Label19);
    descr->addWidget(DateEdit);
    top->addLayout(descr, 1, 1, 1, 4);
    top->setColumnStretch(1, 1);

    auto listHeader = [](QLabel* l, CursorNavigator* nav, QPushButton* button) {
        auto* h = new QHBoxLayout;
        h->addWidget(l);
        h->addStretch(1);
        h->addWidget(nav);
        h->addSpacing(12);
        h->addWidget(button);
        return h;
    };

    auto* eff = new QHBoxLayout;
    eff->setSpacing(4);
    eff->addWidget(Label15);
    eff->addSpacing(6);
    eff->addWidget(Label13);
    eff->addWidget(EffWgt);
    eff->addWidget(Label14);
    eff->addWidget(EffVol);
    eff->addSpacing(6);
    eff->addWidget(Label8);
    eff->addWidget(CostPck);
    eff->addStretch(1);

    auto* totals = new QGridLayout;
    totals->setHorizontalSpacing(2);
    totals->setVerticalSpacing(2);
    totals->addLayout(eff, 0, 0, 1, 7);
    totals->addWidget(Label5, 1, 0, 1, 3);
    totals->addWidget(Label9, 1, 4, 1, 3);
    QWidget* const rows[3][6] = {{Label6, AvlNmb, UsdNmb, Label10, TotNmb, LftNmb},
                                 {Label7, AvlWgt, UsdWgt, Label11, TotWgt, LftWgt},
                                 {VolLabel1, AvlVol, UsdVol, VolLabel2, TotVol, LftVol}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 6; ++c) {
            const int col = c < 3 ? c : c + 1;
            if (c % 3 == 0)
                totals->addWidget(rows[r][c], r + 2, col, Qt::AlignRight);
            else
                totals->addWidget(rows[r][c], r + 2, col);
        }
    totals->setColumnMinimumWidth(3, 10);

    auto* checks = new QHBoxLayout;
    checks->addWidget(DBCheckDflt);
    checks->addWidget(DBCheckTurn);
    checks->addStretch(1);
    auto* mult = new QHBoxLayout;
    mult->addStretch(1);
    mult->addWidget(Label12);
    mult->addWidget(VolMltEdit);
    mult->addWidget(VolMltUp);
    auto* buttons = new QGridLayout;
    buttons->addWidget(RunButton, 0, 0);
    buttons->addWidget(ViewButton, 0, 1);
    buttons->addWidget(ResultButton, 0, 2);
    buttons->addWidget(OptButton, 1, 0);
    buttons->addWidget(PrintButton, 1, 1);
    auto* helpExit = new QHBoxLayout;
    helpExit->addWidget(HelpButton);
    helpExit->addWidget(ExitButton);
    buttons->addLayout(helpExit, 1, 2);
    auto* right = new QVBoxLayout;
    right->addLayout(checks);
    right->addLayout(buttons);
    right->addLayout(mult);

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(totals);
    bottom->addStretch(1);
    bottom->addLayout(right);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(4);
    main->addLayout(top);
    main->addLayout(listHeader(Label3, ContsNavigator, ContsButton));
    main->addWidget(ContsGrid, 1);
    main->addLayout(listHeader(Label4, BoxesNavigator, BoxesButton));
    main->addWidget(BoxesGrid, 2);
    main->addLayout(bottom);
}

void TTasksForm::retranslate() {
    Label1->setText(tr("CURRENT TASK"));
    Label2->setText(tr("DESCRIPTION"));
    NameEdit->setToolTip(tr("Current Task Name"));
    TaskButton->setText(tr("..."));
    TaskButton->setToolTip(tr("Task List"));
    TasksNavigator->setToolTip(tr("Task Navigator"));
    DescrEdit->setToolTip(tr("Current Task Description"));
    Label19->setText(tr("Date"));
    DateEdit->setToolTip(tr("Last solution date"));
    Label3->setText(tr("SHEETS /  2D Containers to Load"));
    ContsButton->setText(tr("&Container Library"));
    ContsButton->setToolTip(tr("Open Container Library"));
    ContsGrid->setToolTip(tr("Containers to use for loading"));
    Label4->setText(tr("PARTS  /  2D Boxes  to  Pack"));
    BoxesButton->setText(tr("&Box Library"));
    BoxesButton->setToolTip(tr("Open Box Library"));
    BoxesGrid->setToolTip(tr("Boxes to load in above containers"));
    Label15->setText(tr("Total Utilization"));
    Label15->setToolTip(tr("Total container capacity utilization"));
    Label13->setText(tr("%Wgt"));
    Label14->setText(tr("%Area"));
    EffWgt->setToolTip(tr("Container Load Weight average utilization, %"));
    EffVol->setToolTip(tr("Container Area average utilization, %"));
    Label5->setText(tr("Containers:       Avail        Used"));
    Label6->setText(tr("Number"));
    Label7->setText(tr("LoadWt"));
    VolLabel1->setText(tr("Area"));
    Label9->setText(tr("Boxes:               Total            Left"));
    Label10->setText(tr("Number"));
    Label11->setText(tr("Weight"));
    VolLabel2->setText(tr("Area"));
    // Why a plan can leave boxes: the number alone does not say.
    LftNmb->setToolTip(tr("Boxes not placed in the plan. Boxes are left when:\n"
                          "- \"Ignore Last Container\" (Settings) drops the last, half-empty container,\n"
                          "- the Net Cost Factor finds them not worth the cost of a container,\n"
                          "- the time limit ends the search before they found a place,\n"
                          "- the containers are too few, or a box is larger than every container."));
    Label8->setText(tr("Net Cost"));
    CostPck->setToolTip(tr("Used boxes minus containers cost"));
    DBCheckDflt->setText(tr("Common Turn Rules:"));
    DBCheckDflt->setToolTip(tr("Turn on common box orientation rules"));
    DBCheckTurn->setText(tr("Horiz.TurnOn"));
    DBCheckTurn->setToolTip(tr("Allow turns around the vertical axis"));
    setRunButtonSolved(TaskSolved);
    ViewButton->setText(tr("&View"));
    ViewButton->setToolTip(tr("Open Image page"));
    ResultButton->setText(tr("&Solution"));
    ResultButton->setToolTip(tr("Open Solution page"));
    OptButton->setText(tr("Se&ttings"));
    OptButton->setToolTip(tr("Optional Controls & Settings"));
    PrintButton->setText(tr("&Print"));
    PrintButton->setToolTip(tr("Print task data"));
    exchLabelState();
    ExchLabel->setToolTip(tr("Currently active DB"));
    Label12->setText(tr("Area Multipl."));
    Label12->setToolTip(tr("Multiplier for all Area values"));
    VolMltEdit->setToolTip(tr("Multiplier for all Area values"));
    HelpButton->setText(tr("?"));
    HelpButton->setToolTip(tr("Help"));
    ExitButton->setText(tr("&Exit"));
    ExitButton->setToolTip(tr("Exit program"));

    const char* const contsTitles[] = {
        QT_TR_NOOP("Container Type"), QT_TR_NOOP("Cost"),   QT_TR_NOOP("Pr"),      QT_TR_NOOP("Avail"),
        QT_TR_NOOP("Used"),           QT_TR_NOOP("Mark"),   QT_TR_NOOP("Length"),  QT_TR_NOOP("Width"),
        QT_TR_NOOP("Area"),           QT_TR_NOOP("LoadWt"), QT_TR_NOOP("Fill Dir")};
    const char* const boxesTitles[] = {QT_TR_NOOP("Box Kind"), QT_TR_NOOP("Cost"),  QT_TR_NOOP("Pr"),
                                       QT_TR_NOOP("Total"),    QT_TR_NOOP("Used"),  QT_TR_NOOP("Mark"),
                                       QT_TR_NOOP("Length"),   QT_TR_NOOP("Width"), QT_TR_NOOP("Area"),
                                       QT_TR_NOOP("Weight"),   QT_TR_NOOP("TurnOn")};
    for (int i = 0; i < 11; ++i) {
        ContsModel->setTitle(i, tr(contsTitles[i]));
        BoxesModel->setTitle(i, tr(boxesTitles[i]));
    }
    TasksNavigator->retranslate();
    ContsNavigator->retranslate();
    BoxesNavigator->retranslate();
    fitMinimumSize(this, DesignMinimum);
}

void TTasksForm::setRunButtonSolved(bool solved) {
    RunButton->setText(solved ? tr("C&lear") : tr("So&lve"));
    RunButton->setToolTip(solved ? tr("Clear current Solution") : tr("Start solver run"));
}

void TTasksForm::NewFileNameCaption() {
    setWindowTitle(applicationTitle() + QLatin1Char(' ') + QStringLiteral("1.95") + QStringLiteral("  - ") +
                   tr("Task page"));
}

// ---- enabling rules ----

void TTasksForm::CurrSolutState() {
    Cursor& t = m_dm.tasks();
    TasksControls(t.isActive() && !t.isEmpty());
    SolutControls(t.value(QStringLiteral("Solut")).toBool());
    CurrDfltTurns(t.value(QStringLiteral("DefltOn")).toBool());
    exchLabelState();
    showTaskRow();
}

void TTasksForm::exchLabelState() {
    const int db = m_dm.ActiveDatabase;
    ExchLabel->setVisible(db != MainDatabase);
    ExchLabel->setText(exchLabelText(db));
}

void TTasksForm::TasksControls(bool enabled) {
    for (QWidget* w : std::initializer_list<QWidget*>{ContsGrid, BoxesGrid, ContsNavigator, BoxesNavigator,
                                                      ContsButton, BoxesButton, RunButton, PrintButton,
                                                      ViewButton, ResultButton, DBCheckDflt, DBCheckTurn})
        w->setEnabled(enabled);
    for (QWidget* w : std::initializer_list<QWidget*>{ContsGrid, BoxesGrid, DescrEdit, DateEdit}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, enabled ? QApplication::palette().color(QPalette::Base) : disabledColor());
        w->setPalette(p);
    }
}

void TTasksForm::SolutControls(bool solved) {
    TaskSolved = solved;
    // The buttons' own states: the page itself may be disabled while a command runs.
    ViewButton->setEnabled(ViewButton->isEnabledTo(this) && solved);
    ResultButton->setEnabled(ViewButton->isEnabledTo(this));
    setRunButtonSolved(solved);
    ContsNavigator->setEditButtonsVisible(!solved);
    BoxesNavigator->setEditButtonsVisible(!solved);
    ContsModel->setReadOnly(solved);
    BoxesModel->setReadOnly(solved);
}

void TTasksForm::CurrDfltTurns(bool on) {
    DBCheckTurn->setEnabled(DBCheckTurn->isEnabledTo(this) && on);
}

bool TTasksForm::EditKeys(int key) {
    if (key == 9 || (key >= 16 && key <= 20) || key == 27 || (key >= 33 && key <= 40) ||
        (key >= 91 && key <= 93))
        return false;
    return true;
}

int TTasksForm::virtualKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
        return 91;
    case Qt::Key_Super_R:
        return 92;
    case Qt::Key_Menu:
        return 93;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Insert:
        return 45;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    return qtKey & 0xffff;
}

QWidget* TTasksForm::focusedGrid() const {
    QWidget* f = QApplication::focusWidget();
    for (QTableView* g : {ContsGrid, BoxesGrid})
        if (widgetInside(g, f))
            return g;
    return nullptr;
}

bool TTasksForm::GridEditWarn(int key) {
    if (!EditKeys(key))
        return false;
    if (TaskSolved) {
        m_prompter.ask(PromptKind::Information,
                       tr("You'd \"Clear\" preceding solution\rbefore task data modifying"),
                       PromptButtons::Ok);
        return true;
    }
    auto* grid = static_cast<QTableView*>(focusedGrid());
    if (grid && grid->currentIndex().isValid() && grid->currentIndex().column() >= 5) {
        m_prompter.ask(PromptKind::Information,
                       tr("You can modify yellow columns data\rjust from the Container/Box Library"),
                       PromptButtons::Ok);
        return true;
    }
    return false;
}

void TTasksForm::showTotals() {
    const ContTotals& c = m_dm.contTotals();
    const BoxTotals& b = m_dm.boxTotals();
    const EffTexts& e = m_dm.effTexts();
    AvlNmb->setText(c.AvlNmb);
    AvlWgt->setText(c.AvlWgt);
    AvlVol->setText(c.AvlVol);
    UsdNmb->setText(c.UsdNmb);
    UsdWgt->setText(c.UsdWgt);
    UsdVol->setText(c.UsdVol);
    TotNmb->setText(b.TotNmb);
    TotWgt->setText(b.TotWgt);
    TotVol->setText(b.TotVol);
    LftNmb->setText(b.LftNmb);
    LftWgt->setText(b.LftWgt);
    LftVol->setText(b.LftVol);
    QPalette p = LftNmb->palette();
    p.setColor(QPalette::Base, QColor(b.LftNmbColor.red, b.LftNmbColor.green, b.LftNmbColor.blue));
    LftNmb->setPalette(p);
    EffWgt->setText(e.EffWgt);
    EffVol->setText(e.EffVol);
    CostPck->setText(e.CostPck);
}

void TTasksForm::UpdateAreaMultiplier(bool refresh) {
    VolMultPow = VolMltUp->position();
    VolMltEdit->setText(QString::number(AreaMultiplier(VolMultPow)));
    if (refresh || m_dm.AreaMultiplier != AreaMultiplier(VolMultPow))
        m_dm.UpdateAreaMultiplier(VolMultPow);
}

// ---- column widths ----

const std::vector<qint16>& TTasksForm::designWidths(const QTableView* grid) const {
    return grid == ContsGrid ? m_contsDesign : m_boxesDesign;
}

void TTasksForm::scaleGridColumns() {
    auto save = [](QTableView* g, const CursorTableModel* m, std::vector<qint16>& design) {
        if (!design.empty())
            return;
        qint16 sum = 0;
        for (const GridColumn& c : m->gridColumns()) {
            design.push_back(c.hidden ? qint16(-1) : qint16(c.width));
            if (!c.hidden)
                sum = qint16(sum + c.width);
        }
        design.push_back(sum);
        design.push_back(qint16(g->width()));
    };
    save(ContsGrid, ContsModel, m_contsDesign);
    save(BoxesGrid, BoxesModel, m_boxesDesign);
    // The columns grow with the grids from their design widths, raised to the widths their
    // titles and texts need.
    for (QTableView* g : {ContsGrid, BoxesGrid})
        if (ColumnFitter* fitter = ColumnFitter::of(g))
            fitter->apply();
    setAllReposition();
}

void TTasksForm::setAllReposition() {
    for (bool& r : m_reposition)
        r = true;
}

} // namespace palvane
