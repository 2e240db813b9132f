// The Settings window's controls: creation, layout, texts and connections.
#include "OptForm.h"

#include "TaskSettings.h"
#include "WindowFit.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace palvane {

namespace {

constexpr int fieldIndex(SettingField f) {
    return int(f);
}

// A control named as the window's field that holds it.
template <class W, class P> W* named(P* parent, const char* name) {
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

QLineEdit* valueEdit(QWidget* parent, const char* name) {
    auto* e = named<QLineEdit>(parent, name);
    e->setFixedWidth(72);
    return e;
}

QLabel* rowLabel(QWidget* parent, const char* name) {
    return named<QLabel>(parent, name);
}

} // namespace

TOptForm::TOptForm(TDMForm& dm, ActiveSettings& active, Prompter& prompter, TTasksForm* page, QWidget* parent)
    : QDialog(parent ? parent : page), m_dm(dm), m_active(active), m_prompter(prompter), m_page(page) {
    setObjectName(QStringLiteral("OptForm"));
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setProperty("helpContext", HelpContext);
    m_exchange = new TaskExchange(dm, prompter, this);
    createControls();
    createExchangeControls();
    layoutControls();
    connectControls();
    connectExchange();
    retranslate();
    resize(291, 425);
    m_created = true;
    showTaskSettings();
    ShowActiveSettings();
}

void TOptForm::createControls() {
    PageControl = named<QTabWidget>(this, "PageControl");
    OptSheet = named<QWidget>(PageControl, "OptSheet");
    ExchSheet = named<QWidget>(PageControl, "ExchSheet");
    PageControl->addTab(OptSheet, QString());
    PageControl->addTab(ExchSheet, QString());
    CloseButton = named<QPushButton>(this, "CloseButton");

    QWidget* s = OptSheet;
    ActiveLabel = rowLabel(s, "ActiveLabel");
    TaskLabel = rowLabel(s, "TaskLabel");
    PowerLabel = rowLabel(s, "PowerLabel");
    TimeLabel = rowLabel(s, "TimeLabel");
    RandLabel = rowLabel(s, "RandLabel");
    QwLabel = rowLabel(s, "QwLabel");
    QcLabel = rowLabel(s, "QcLabel");
    QrLabel = rowLabel(s, "QrLabel");
    QgLabel = rowLabel(s, "QgLabel");
    LastLabel = rowLabel(s, "LastLabel");
    BBLabel = rowLabel(s, "BBLabel");
    BWLabel = rowLabel(s, "BWLabel");

    struct RowNames {
        SettingField field;
        QLineEdit** edit;
        UpDown** upDn;
        QLineEdit** editDB;
        const char* editName;
        const char* upDnName;
        const char* dbName;
    };
    const RowNames rows[] = {
        {SettingField::Power, &PowerEdit, &PowerUpDn, &PowerEditDB, "PowerEdit", "PowerUpDn", "PowerEditDB"},
        {SettingField::Time, &TimeEdit, &TimeUpDn, &TimeEditDB, "TimeEdit", "TimeUpDn", "TimeEditDB"},
        {SettingField::Rand, &RandEdit, &RandUpDn, &RandEditDB, "RandEdit", "RandUpDn", "RandEditDB"},
        {SettingField::Qw, &QwEdit, &QwUpDn, &QwEditDB, "QwEdit", "QwUpDn", "QwEditDB"},
        {SettingField::Qg, &QgEdit, &QgUpDn, &QgEditDB, "QgEdit", "QgUpDn", "QgEditDB"},
        {SettingField::Qc, &QcEdit, &QcUpDn, &QcEditDB, "QcEdit", "QcUpDn", "QcEditDB"},
        {SettingField::Qr, &QrEdit, &QrUpDn, &QrEditDB, "QrEdit", "QrUpDn", "QrEditDB"},
        {SettingField::BB, &BBEdit, nullptr, &BBEditDB, "BBEdit", nullptr, "BBEditDB"},
        {SettingField::BW, &BWEdit, nullptr, &BWEditDB, "BWEdit", nullptr, "BWEditDB"},
    };
    for (const RowNames& r : rows) {
        const int i = fieldIndex(r.field);
        QLineEdit* edit = valueEdit(s, r.editName);
        QLineEdit* db = valueEdit(s, r.dbName);
        db->setReadOnly(true);
        db->setEnabled(false);
        *r.edit = m_edit[i] = edit;
        *r.editDB = m_editDB[i] = db;
        if (!r.upDn) {
            edit->setMaxLength(12);
            edit->installEventFilter(this);
            continue;
        }
        // The up-down rows show the position, typed or stepped there too; the bind group factor
        // counts in tens.
        edit->setMaxLength(6);
        edit->setAlignment(Qt::AlignRight);
        const SettingRange range = ActiveSettings::range(r.field);
        const int scale = r.field == SettingField::Qg ? 10 : 1;
        auto* upDn = new UpDown(range.minimum * scale, range.maximum * scale, s);
        upDn->setObjectName(QLatin1String(r.upDnName));
        upDn->setIncrement(range.step * scale);
        upDn->setBuddy(edit);
        *r.upDn = m_upDn[i] = upDn;
    }
    ImproveLabel = rowLabel(s, "ImproveLabel");
    ImproveEdit = valueEdit(s, "ImproveEdit");
    ImproveEdit->setMaxLength(6);
    ImproveEdit->setAlignment(Qt::AlignRight);
    const SettingRange improve = ActiveSettings::improveRange();
    ImproveUpDn = new UpDown(improve.minimum, improve.maximum, s);
    ImproveUpDn->setObjectName(QStringLiteral("ImproveUpDn"));
    ImproveUpDn->setIncrement(improve.step);
    ImproveUpDn->setBuddy(ImproveEdit);
    LastCheck = named<QCheckBox>(s, "LastCheck");
    LastCheckDB = named<QCheckBox>(s, "LastCheckDB");
    LastCheckDB->setEnabled(false);
    KeepRadio = named<QRadioButton>(s, "KeepRadio");
    TaskRadio = named<QRadioButton>(s, "TaskRadio");
    DefltButton = named<QPushButton>(s, "DefltButton");
    // Enter in a gap edit moves the focus on; it never presses a button.
    for (QPushButton* b : {CloseButton, DefltButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void TOptForm::layoutControls() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(ActiveLabel, 0, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(TaskLabel, 0, 3, Qt::AlignLeft);
    struct Row {
        QLabel* label;
        SettingField field;
    };
    const Row rows[] = {{PowerLabel, SettingField::Power}, {TimeLabel, SettingField::Time},
                        {RandLabel, SettingField::Rand},   {QwLabel, SettingField::Qw},
                        {QcLabel, SettingField::Qc},       {QrLabel, SettingField::Qr},
                        {QgLabel, SettingField::Qg}};
    int line = 1;
    for (const Row& r : rows) {
        const int i = fieldIndex(r.field);
        grid->addWidget(r.label, line, 0);
        grid->addWidget(m_edit[i], line, 1);
        grid->addWidget(m_upDn[i], line, 2);
        grid->addWidget(m_editDB[i], line, 3);
        ++line;
    }
    grid->addWidget(LastLabel, line, 0);
    grid->addWidget(LastCheck, line, 1, 1, 2, Qt::AlignHCenter);
    grid->addWidget(LastCheckDB, line, 3, Qt::AlignHCenter);
    ++line;
    for (const Row& r : {Row{BBLabel, SettingField::BB}, Row{BWLabel, SettingField::BW}}) {
        grid->addWidget(r.label, line, 0);
        grid->addWidget(m_edit[fieldIndex(r.field)], line, 1);
        grid->addWidget(m_editDB[fieldIndex(r.field)], line, 3);
        ++line;
    }
    grid->addWidget(ImproveLabel, line, 0);
    grid->addWidget(ImproveEdit, line, 1);
    grid->addWidget(ImproveUpDn, line, 2);
    ++line;
    grid->setColumnStretch(0, 1);

    auto* sheet = new QVBoxLayout(OptSheet);
    sheet->addLayout(grid);
    sheet->addSpacing(8);
    sheet->addWidget(KeepRadio);
    sheet->addWidget(TaskRadio);
    auto* deflt = new QHBoxLayout;
    deflt->addStretch(1);
    deflt->addWidget(DefltButton);
    sheet->addLayout(deflt);
    sheet->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(CloseButton);
    auto* main = new QVBoxLayout(this);
    main->addWidget(PageControl, 1);
    main->addLayout(bottom);
}

void TOptForm::connectControls() {
    for (SettingField f : AllSettingFields) {
        if (UpDown* u = m_upDn[fieldIndex(f)]) {
            connect(u, &UpDown::clicked, this, [this, f](int position) { upDownClick(f, position); });
            connect(u, &UpDown::refused, this,
                    [this, u] { m_prompter.ask(PromptKind::Error, u->rangeMessage(), PromptButtons::Ok); });
        }
    }
    connect(ImproveUpDn, &UpDown::clicked, this, &TOptForm::ImproveUpDnClick);
    connect(LastCheck, &QCheckBox::clicked, this, &TOptForm::LastCheckClick);
    connect(TaskRadio, &QRadioButton::clicked, this, &TOptForm::TaskRadioClick);
    connect(KeepRadio, &QRadioButton::clicked, this, &TOptForm::KeepRadioClick);
    connect(DefltButton, &QPushButton::clicked, this, &TOptForm::DefltButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TOptForm::CloseButtonClick);

    // The data module asks for the colours after a task is stored and for the task's settings
    // when another task becomes current (its own handler has loaded them by then).
    connect(&m_dm, &TDMForm::currOptSetColorsRequested, this, [this] {
        showTaskSettings();
        CurrOptSetColors();
    });
    connect(&m_dm, &TDMForm::loadTaskSettingsRequested, this, [this] {
        showTaskSettings();
        ShowActiveSettings();
    });
    // The Current Task column follows the tasks cursor.
    Cursor* tasks = &m_dm.tasks();
    auto follow = [this] {
        showTaskSettings();
        CurrOptSetColors();
    };
    connect(tasks, &Cursor::currentChanged, this, follow);
    connect(tasks, &Cursor::rowChanged, this, follow);
    connect(tasks, &Cursor::rowsReset, this, follow);
    connect(tasks, &Cursor::rowRemoved, this, follow);
    connect(tasks, &Cursor::stateChanged, this, follow);
}

void TOptForm::retranslate() {
    setWindowTitle(tr("Settings"));
    PageControl->setTabText(PageControl->indexOf(OptSheet), tr("Optimizer Settings"));
    PageControl->setTabText(PageControl->indexOf(ExchSheet), tr("Exchange DB"));
    CloseButton->setText(tr("Clos&e"));
    CloseButton->setToolTip(tr("Close Settings page"));
    ActiveLabel->setText(tr("Active"));
    ActiveLabel->setToolTip(tr("Active settings"));
    TaskLabel->setText(tr("Current Task"));
    TaskLabel->setToolTip(tr("Current task settings"));
    struct Texts {
        QLabel* label;
        QString text;
        QString hint;
    };
    const Texts texts[] = {
        {PowerLabel, tr("Intensity (0..20)"), tr("Increases optimizer search intensity and runtime")},
        {TimeLabel, tr("Time Limit (sec)"), tr("Optimizer run time limit")},
        {RandLabel, tr("Random Line No"), tr("May influence upon a solution")},
        {QwLabel, tr("Weight Factor,%"), tr("Increases LoadWeight vs Area utilization")},
        {QcLabel, tr("Net Cost Factor"), tr("Increases resulting Net Cost importance")},
        {QrLabel, tr("Left Items Factor"), tr("Can decrease non placed item number")},
        {QgLabel, tr("Bind Group Factor"), tr("Helps to keep identical item groups in the same container")},
        {LastLabel, tr("Ignore Last Container"), tr("Exclude last half-empty container from results")},
        {BBLabel, tr("Item to Item Gap"), tr("Intermediate space layer")},
        {BWLabel, tr("Item to Edge Gap"), tr("Space layer near edges")},
        {ImproveLabel, tr("Improve (s)"), tr("Seconds spent improving the plan after the search (0 = off)")},
    };
    for (const Texts& t : texts) {
        t.label->setText(t.text);
        t.label->setToolTip(t.hint);
    }
    KeepRadio->setText(tr("Keep current settings"));
    KeepRadio->setToolTip(tr("Keep active settings when changing the task"));
    TaskRadio->setText(tr("Load task specific"));
    TaskRadio->setToolTip(tr("Load specific settings saved with a task solution"));
    DefltButton->setText(tr("&Defaults"));
    DefltButton->setToolTip(tr("Activate default optimizer settings"));
    retranslateExchange();
}

void TOptForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        // Longer texts may make the open window larger; it stays on the screen.
        if (isVisible())
            fitMinimumSize(this, QSize());
    }
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            emit activated();
        else
            validateFocusedGap();
    }
    QDialog::changeEvent(event);
}

UpDown* TOptForm::upDown(SettingField field) const {
    return m_upDn[fieldIndex(field)];
}

QLineEdit* TOptForm::activeEdit(SettingField field) const {
    return m_edit[fieldIndex(field)];
}

QLineEdit* TOptForm::taskEdit(SettingField field) const {
    return m_editDB[fieldIndex(field)];
}

} // namespace palvane
