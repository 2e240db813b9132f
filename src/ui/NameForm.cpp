#include "NameForm.h"

#include "ColumnFit.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace palvane {

TNameForm::TNameForm(TDMForm& dm, Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_dm(dm), m_prompter(prompter) {
    setObjectName(QStringLiteral("NameForm"));
    Model = new CursorTableModel(dm.tasks(),
                                 {{QStringLiteral("Name"), QString(), 171, false, true},
                                  {QStringLiteral("Date"), QString(), 73, false, true},
                                  {QStringLiteral("Solut"), QString(), 64, false, true},
                                  {QStringLiteral("Descr"), QString(), 64, false, true}},
                                 this);
    Model->setReadOnly(true);
    DBGrid1 = new QTableView(this);
    DBGrid1->setModel(Model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(20);
    DBGrid1->verticalHeader()->setFixedWidth(14);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    for (int i = 0; i < Model->columnCount(); ++i)
        DBGrid1->setColumnWidth(i, Model->gridColumns()[size_t(i)].width);
    new ColumnFitter(DBGrid1, designWidths(*Model), ColumnFitter::Mode::Grow);
    DBGrid1->installEventFilter(this);

    DeleteButton = new QPushButton(this);
    DuplButton = new QPushButton(this);
    CloseButton = new QPushButton(this);
    CloseButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DeleteButton);
    buttons->addWidget(DuplButton);
    buttons->addStretch(1);
    buttons->addWidget(CloseButton);
    auto* lay = new QVBoxLayout(this);
    lay->addWidget(DBGrid1, 1);
    lay->addLayout(buttons);
    resize(482, 290);

    connect(&dm, &TDMForm::windowStateAsked, this, [this](WindowState& state) {
        if (m_modal)
            state.selectTaskOpen = true;
    });
    Cursor& tasks = dm.tasks();
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, &tasks](const QModelIndex& now) {
                if (now.isValid() && now.row() != tasks.currentRow())
                    tasks.moveTo(now.row());
            });
    auto follow = [this, &tasks] {
        const int row = tasks.currentRow();
        if (row >= 0 && row < Model->rowCount() && DBGrid1->currentIndex().row() != row)
            DBGrid1->setCurrentIndex(Model->index(row, 0));
        updateButtons();
    };
    connect(&tasks, &Cursor::currentChanged, this, follow);
    connect(&tasks, &Cursor::rowsReset, this, follow);
    connect(&tasks, &Cursor::rowRemoved, this, follow);
    connect(DBGrid1, &QTableView::doubleClicked, this, &QDialog::accept);
    connect(DeleteButton, &QPushButton::clicked, this, &TNameForm::DeleteButtonClick);
    connect(DuplButton, &QPushButton::clicked, this, &TNameForm::duplicateRequested);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    retranslate();
    updateButtons();
}

void TNameForm::retranslate() {
    setWindowTitle(tr("Select a Task"));
    DBGrid1->setToolTip(tr("Select stored task"));
    Model->setTitle(0, tr("  Task Name"));
    Model->setTitle(1, tr("  Date"));
    Model->setTitle(2, tr("Solution"));
    Model->setTitle(3, tr("  Description"));
    DeleteButton->setText(tr("&Delete Task"));
    DuplButton->setText(tr("D&uplicate Task"));
    CloseButton->setText(tr("Clos&e"));
}

void TNameForm::updateButtons() {
    DuplButton->setEnabled(duplicateAvailable && m_dm.ActiveDatabase == MainDatabase);
}

int TNameForm::showModal() {
    m_modal = true;
    const int r = exec();
    m_modal = false;
    return r;
}

void TNameForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void TNameForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    updateButtons();
    const int row = m_dm.tasks().currentRow();
    if (row >= 0)
        DBGrid1->setCurrentIndex(Model->index(row, 0));
    DBGrid1->setFocus();
}

void TNameForm::DeleteButtonClick() {
    Cursor& tasks = m_dm.tasks();
    if (!tasks.isActive() || tasks.isEmpty()) {
        m_prompter.ask(PromptKind::Confirmation, tr("DB is empty"), PromptButtons::Ok);
        return;
    }
    if (m_prompter.ask(PromptKind::Confirmation, tr("Delete record?"), PromptButtons::OkCancel) !=
        PromptAnswer::Ok)
        return;
    tasks.remove();
}

bool TNameForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace palvane
