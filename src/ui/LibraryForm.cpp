#include "LibraryForm.h"
#include "WindowFit.h"

#include "ColumnFit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace palvane {

namespace {

const QColor quantityFont(0, 0, 255);
const QColor readOnlyGrey(230, 230, 230);

} // namespace

// ---- model ----

LibraryTableModel::LibraryTableModel(Cursor& cursor, std::vector<GridColumn> columns,
                                     std::set<QString> rightAligned, QObject* parent)
    : CursorTableModel(cursor, std::move(columns), parent), m_rightAligned(std::move(rightAligned)) {}

QVariant LibraryTableModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole && index.isValid() && index.column() < columnCount() &&
        m_rightAligned.count(gridColumns()[size_t(index.column())].field))
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    return CursorTableModel::data(index, role);
}

QVariant LibraryTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::BackgroundRole && orientation == Qt::Horizontal && section == 0)
        return QColor(Qt::lightGray);
    return CursorTableModel::headerData(section, orientation, role);
}

void LibraryTableModel::refreshAll() {
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

// ---- window ----

LibraryForm::LibraryForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, const LibraryTraits& traits,
                         std::vector<GridColumn> columns, std::set<QString> rightAligned, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_prompter(prompter), m_page(page), m_traits(traits) {
    // F1 opens the window's help page.
    setProperty("helpContext", traits.helpContext);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    columns.front().foreground = quantityFont;

    Model = new LibraryTableModel(library(), std::move(columns), std::move(rightAligned), this);
    DBGrid1 = new DataGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(Model);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1->verticalHeader()->setFixedWidth(14);
    // Columns keep their places.
    DBGrid1->horizontalHeader()->setSectionsMovable(false);
    DBGrid1->horizontalHeader()->setHighlightSections(false);
    for (int i = 0; i < Model->columnCount(); ++i)
        DBGrid1->setColumnWidth(i, Model->gridColumns()[size_t(i)].width);
    // Titles and texts are shown whole: a column grows to the widest of them.
    new ColumnFitter(DBGrid1, designWidths(*Model), ColumnFitter::Mode::Grow);
    DBGrid1->installEventFilter(this);
    DBGrid1->viewport()->installEventFilter(this);

    ResetButton = new QPushButton(this);
    MoveButton = new QPushButton(this);
    NameDBEdit = new QLineEdit(this);
    NameDBEdit->setReadOnly(true);
    NameDBEdit->setFocusPolicy(Qt::NoFocus);
    NameDBEdit->setMinimumWidth(180);
    QPalette p = NameDBEdit->palette();
    p.setColor(QPalette::Base, TTasksForm::aquaColor());
    NameDBEdit->setPalette(p);
    DBNavigator1 = new CursorNavigator(library(), &m_prompter, this);
    EditButton = new QPushButton(this);
    ClearButton = new QPushButton(this);
    CloseButton = new QPushButton(this);
    for (QPushButton* b : {ResetButton, MoveButton, EditButton, ClearButton, CloseButton})
        b->setAutoDefault(false);

    auto* lay = new QVBoxLayout(this);
    lay->setContentsMargins(4, 4, 4, 4);
    lay->addWidget(DBGrid1, 1);
    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(ResetButton);
    m_buttons->addWidget(MoveButton);
    m_buttons->addWidget(NameDBEdit, 1);
    m_buttons->addWidget(DBNavigator1);
    m_buttons->addWidget(EditButton);
    m_buttons->addWidget(ClearButton);
    m_buttons->addWidget(CloseButton);
    lay->addLayout(m_buttons);

    connect(ResetButton, &QPushButton::clicked, this, &LibraryForm::ResetButtonClick);
    connect(MoveButton, &QPushButton::clicked, this, &LibraryForm::MoveButtonClick);
    connect(EditButton, &QPushButton::clicked, this, &LibraryForm::EditButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &LibraryForm::ClearButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &LibraryForm::CloseButtonClick);

    // Grid row and cursor row follow each other.
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& now) {
                Cursor& c = library();
                if (now.isValid() && now.row() != c.currentRow() && !c.moveTo(now.row()) &&
                    c.currentRow() >= 0)
                    DBGrid1->setCurrentIndex(Model->index(c.currentRow(), now.column()));
            });
    followCursorRow(DBGrid1, library());
    DBNavigator1->setGrid(DBGrid1);
    // Leaving the grid stores the pending library row.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // The list of a cell's drop-down is a window of its own but still the grid's.
        auto inGrid = [this](QWidget* w) { return widgetInside(DBGrid1, w); };
        if (inGrid(old) && !inGrid(now) && library().isEditing())
            library().postIfModified();
    });
    Cursor& tasks = m_dm.tasks();
    connect(&tasks, &Cursor::currentChanged, this, &LibraryForm::showTaskName);
    connect(&tasks, &Cursor::rowChanged, this, &LibraryForm::showTaskName);
    connect(&tasks, &Cursor::rowsReset, this, &LibraryForm::showTaskName);

    if (library().isActive())
        library().refresh();
    // Every opening switches fully to browse mode (setVisible), so the closed window leaves
    // the data module's mode flag cleared: library edits made elsewhere meanwhile are not
    // treated as edits of this window.
    LibraryForm::retranslate();
}

LibraryForm::~LibraryForm() {
    // The controls go before this object: focus changes among them while they are destroyed
    // must not store rows into a grid that is half gone.
    disconnect(qApp, nullptr, this, nullptr);
}

Cursor& LibraryForm::library() const {
    return m_traits.library == Table::Conts ? m_dm.conts() : m_dm.boxes();
}

Cursor& LibraryForm::list() const {
    return m_traits.library == Table::Conts ? m_dm.tc() : m_dm.tb();
}

bool LibraryForm::editMode() const {
    return m_traits.library == Table::Conts ? m_dm.ContsEditMode : m_dm.BoxesEditMode;
}

void LibraryForm::retranslate() {
    ResetButton->setText(tr("&Reset"));
    ResetButton->setToolTip(tr("Reset all Quantities to zero"));
    MoveButton->setText(tr("&Copy to"));
    MoveButton->setToolTip(tr("Copy non zero Quantities to the current task"));
    NameDBEdit->setToolTip(tr("Current task Name"));
    EditButton->setToolTip(tr("Allow/Stop Edit Mode"));
    CloseButton->setText(tr("Clos&e"));
    CloseButton->setToolTip(tr("Return to Task page"));
    const bool edit = editMode();
    EditButton->setText(edit ? tr("&Fix") : tr("E&dit"));
    ClearButton->setText(edit ? tr("C&lear") : tr("&Print"));
    ClearButton->setToolTip(edit ? tr("Clear not used temporary records") : tr("Print Library List"));
    DBNavigator1->retranslate();
}

void LibraryForm::showTaskName() {
    NameDBEdit->setText(m_dm.tasks().textValue(QStringLiteral("Name")));
}

int LibraryForm::showModal() {
    return exec();
}

// ---- modes ----

void LibraryForm::enterEditMode() {
    setMode(true);
}

void LibraryForm::leaveEditMode() {
    library().checkBrowseMode();
    // The task list shows the library's columns: re-read them.
    Cursor& l = list();
    if (l.isActive()) {
        l.checkBrowseMode();
        l.refresh();
    }
    setMode(false);
}

void LibraryForm::setMode(bool edit) {
    m_dm.setLibraryEditMode(m_traits.library, edit);
    moveButtonState();
    ResetButton->setEnabled(!edit);
    DBNavigator1->setEditButtonsVisible(edit);
    const int n = Model->columnCount();
    for (int i = 0; i < n; ++i) {
        GridColumn& c = Model->gridColumn(i);
        const bool area = c.field == QLatin1String("Volume");
        if (edit) {
            c.readOnly = i == 0 || area;
            c.background = c.readOnly ? readOnlyGrey : QColor();
        } else {
            c.readOnly = !(i == 0 || i >= n - 2);
            c.background = c.readOnly ? TTasksForm::yellowColor() : QColor();
        }
    }
    Model->refreshAll();
    retranslate();
    if (edit) {
        DBGrid1->setFocus();
        const QModelIndex cur = DBGrid1->currentIndex();
        if (cur.isValid() && cur.column() == 0)
            DBGrid1->setCurrentIndex(Model->index(cur.row(), 1));
    }
}

void LibraryForm::EditButtonClick() {
    if (editMode())
        leaveEditMode();
    else
        enterEditMode();
}

void LibraryForm::moveButtonState() {
    const bool solved = m_dm.tasks().value(QStringLiteral("Solut")).toBool();
    MoveButton->setEnabled(!editMode() && !solved && m_dm.currentTaskId() != 0);
}

bool LibraryForm::MessEdit(int key) {
    if (!TTasksForm::EditKeys(key))
        return false;
    const QModelIndex cur = DBGrid1->currentIndex();
    if (!cur.isValid())
        return false;
    const int col = cur.column();
    if (editMode() && col == 0) {
        m_prompter.ask(PromptKind::Information, tr("You'd press \"Fix\" button\rto modify Q'ty column data."),
                       PromptButtons::Ok);
        return true;
    }
    if (!editMode() && col >= 1 && col < Model->columnCount() - 2) {
        m_prompter.ask(
            PromptKind::Information,
            tr("You'd press \"Edit\" button\rto modify yellow columns data\ror insert a new item."),
            PromptButtons::Ok);
        return true;
    }
    return false;
}

// ---- events ----

bool LibraryForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(event);
        if (MessEdit(TTasksForm::virtualKey(k->key())))
            return true;
    }
    if (watched == DBGrid1->viewport() && event->type() == QEvent::MouseButtonDblClick && MessEdit(13))
        return true;
    return QDialog::eventFilter(watched, event);
}

void LibraryForm::setVisible(bool visible) {
    if (visible && !isVisible()) {
        // The window opens in browse mode, whatever mode it was closed in.
        leaveEditMode();
        showTaskName();
        fitMinimumSize(this, m_traits.minimumSize);
        place();
    }
    QDialog::setVisible(visible);
}

void LibraryForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        fitMinimumSize(this, m_traits.minimumSize);
    QDialog::changeEvent(event);
}

void LibraryForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    DBGrid1->setFocus();
}

void LibraryForm::place() {
    if (!m_page.reposition(m_traits.placement))
        return;
    const QRect screen = (m_page.screen() ? m_page.screen() : QGuiApplication::primaryScreen())->geometry();
    const int left = std::max(m_page.x() - 8, 0);
    int width = std::min(m_page.width() + 16, screen.width() - left);
    width = std::max(width, 798);
    int top = 0, height = 0;
    firstPlacement(screen.height(), &top, &height);
    top = std::min(top, screen.height() - height - 30);
    // Positions are the frame's, as the Task Page's x() and y() are.
    resize(width, std::max(height, minimumHeight()));
    move(left, top);
    keepOnScreen(this);
    m_page.clearReposition(m_traits.placement);
}

void LibraryForm::reject() {
    // In edit mode Esc does not close the window.
    if (editMode())
        return;
    QDialog::reject();
}

void LibraryForm::CloseButtonClick() {
    if (editMode())
        leaveEditMode();
    QDialog::reject();
}

void LibraryForm::closeEvent(QCloseEvent* event) {
    if (editMode())
        leaveEditMode();
    QDialog::closeEvent(event);
}

} // namespace palvane
