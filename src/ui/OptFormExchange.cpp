// The Settings window's exchange page: its buttons, their enabling by the active database and
// the commands they run.
#include "NameForm.h"
#include "OptForm.h"

#include <QVBoxLayout>

namespace palvane {

namespace {

QPushButton* pageButton(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

} // namespace

void TOptForm::createExchangeControls() {
    QWidget* s = ExchSheet;
    Label13 = new QLabel(s);
    Label13->setObjectName(QStringLiteral("Label13"));
    QFont bold = Label13->font();
    bold.setBold(true);
    Label13->setFont(bold);
    AddButton = pageButton(s, "AddButton");
    ExpButton = pageButton(s, "ExpButton");
    ImpButton = pageButton(s, "ImpButton");
    HomeButton = pageButton(s, "HomeButton");
    ClearButton = pageButton(s, "ClearButton");

    auto* lay = new QVBoxLayout(s);
    lay->setContentsMargins(24, 16, 24, 16);
    lay->setSpacing(14);
    lay->addWidget(Label13, 0, Qt::AlignHCenter);
    lay->addSpacing(8);
    for (QPushButton* b : {AddButton, ExpButton, ImpButton, HomeButton, ClearButton}) {
        b->setMinimumHeight(30);
        lay->addWidget(b);
    }
    lay->addStretch(1);
}

void TOptForm::connectExchange() {
    connect(AddButton, &QPushButton::clicked, this, &TOptForm::AddButtonClick);
    connect(ExpButton, &QPushButton::clicked, this, &TOptForm::ExpButtonClick);
    connect(ImpButton, &QPushButton::clicked, this, &TOptForm::ImpButtonClick);
    connect(HomeButton, &QPushButton::clicked, this, &TOptForm::HomeButtonClick);
    connect(ClearButton, &QPushButton::clicked, this, &TOptForm::ClearButtonClick);
    connect(PageControl, &QTabWidget::currentChanged, this, &TOptForm::exchangePageChanged);
    connect(this, &TOptForm::activated, this, &TOptForm::ExchButtonsState);

    TaskExchange* ex = m_exchange;
    // A disabled window takes no focus: a focus asked for meanwhile follows the enabling.
    connect(ex, &TaskExchange::settingsEnableRequested, this, [this](bool on) {
        setEnabled(on);
        if (on && m_focusHome) {
            m_focusHome = false;
            HomeButton->setFocus(Qt::OtherFocusReason);
        }
    });
    connect(ex, &TaskExchange::databaseSwitched, this, &TOptForm::ExchButtonsState);
    connect(ex, &TaskExchange::homeFocusRequested, this, [this] {
        if (isEnabled())
            HomeButton->setFocus(Qt::OtherFocusReason);
        else
            m_focusHome = true;
    });
    connect(ex, &TaskExchange::workspaceOutdated, this, [this] {
        if (m_page)
            m_page->session().forget();
    });
    // Select a Task offers Duplicate through the same command.
    if (m_page && m_page->nameForm()) {
        TNameForm* names = m_page->nameForm();
        names->duplicateAvailable = true;
        names->updateButtons();
        connect(names, &TNameForm::duplicateRequested, this, [this] { m_exchange->TaskCopying(false); });
    }
}

void TOptForm::retranslateExchange() {
    Label13->setText(tr("EXCHANGE DB FUNCTIONS"));
    AddButton->setText(tr("&Add Task to Export DB"));
    AddButton->setToolTip(tr("Add current task data to Export DB"));
    ExpButton->setText(tr("Switch to E&xport DB"));
    ExpButton->setToolTip(tr("Activate Export DB"));
    ImpButton->setText(tr("Switch to I&mport DB"));
    ImpButton->setToolTip(tr("Activate Import DB"));
    HomeButton->setText(tr("Switch to &Home DB"));
    HomeButton->setToolTip(tr("Reactivate main Home DB"));
    ClearButton->setToolTip(tr("Remove all task data from current DB"));
    ExchButtonsState();
}

void TOptForm::ExchButtonsState() {
    const int db = m_dm.ActiveDatabase;
    const Cursor& tasks = m_dm.tasks();
    AddButton->setEnabled(db == MainDatabase && tasks.isActive() && !tasks.isEmpty());
    HomeButton->setEnabled(db != MainDatabase);
    ExpButton->setEnabled(db != ExportDatabase);
    ImpButton->setEnabled(db != ImportDatabase);
    ClearButton->setText(db == ExportDatabase   ? tr("&Empty Export DB")
                         : db == ImportDatabase ? tr("&Empty Import DB")
                                                : tr("&Empty active DB"));
    ClearButton->setEnabled(db != MainDatabase);
    if (m_page) {
        m_page->exchLabelState();
        if (TNameForm* names = m_page->nameForm())
            names->updateButtons();
    }
}

void TOptForm::exchangePageChanged(int index) {
    const int exch = PageControl->indexOf(ExchSheet);
    if (index == exch) {
        ExchButtonsState();
        if (AddButton->isEnabled())
            AddButton->setFocus(Qt::OtherFocusReason);
        else if (HomeButton->isEnabled())
            HomeButton->setFocus(Qt::OtherFocusReason);
    } else if (m_shownPage == exch) {
        CloseButton->setFocus(Qt::OtherFocusReason);
    }
    m_shownPage = index;
}

// ---- commands ----

void TOptForm::AddButtonClick() {
    m_exchange->TaskCopying(true);
}

void TOptForm::ExpButtonClick() {
    m_exchange->SwitchDatabase(ExportDatabase);
}

void TOptForm::ImpButtonClick() {
    m_exchange->SwitchDatabase(ImportDatabase);
}

void TOptForm::HomeButtonClick() {
    m_exchange->SwitchHome();
}

void TOptForm::ClearButtonClick() {
    m_exchange->EmptyActiveDatabase();
}

} // namespace palvane
