#include "BoxForm.h"

#include <QDir>

namespace palvane {

namespace {

struct ColumnSpec {
    const char* field;
    int width;
};

// Box Library columns, left to right.
const ColumnSpec boxColumns[] = {{"Total", 40}, {"Kind", 150},  {"Mark", 36},   {"Length", 52},
                                 {"Width", 52}, {"Volume", 60}, {"Weight", 52}, {"TurnOn", 48},
                                 {"Temp", 44},  {"Descr", 233}};

QStringList boxTitles() {
    return {TBoxForm::tr("Q'ty"),   TBoxForm::tr("Part / 2D Box Kind"),
            TBoxForm::tr("Mark"),   TBoxForm::tr("Length"),
            TBoxForm::tr("Width"),  TBoxForm::tr("Area"),
            TBoxForm::tr("Weight"), TBoxForm::tr("TurnOn"),
            TBoxForm::tr("Temp"),   TBoxForm::tr("  Description")};
}

// Hints over the titles a user cannot read at sight, by field.
QList<std::pair<QString, QString>> boxTips() {
    return {
        {QStringLiteral("Total"),
         TBoxForm::tr("Quantity: boxes of this kind that \"Copy to\" puts into the current task")},
        {QStringLiteral("TurnOn"), TBoxForm::tr("True: the box may be turned by 90 degrees on the floor")},
        {QStringLiteral("Temp"),
         TBoxForm::tr("Temporary record: \"Clear\" in edit mode deletes it when no task uses it")}};
}

std::vector<GridColumn> makeBoxColumns() {
    std::vector<GridColumn> cols;
    const QStringList titles = boxTitles();
    int i = 0;
    for (const ColumnSpec& c : boxColumns)
        cols.emplace_back(QLatin1String(c.field), titles[i++], c.width);
    return cols;
}

} // namespace

TBoxForm::TBoxForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, QWidget* parent)
    : LibraryForm(dm, prompter, page,
                  {Table::Boxes, QStringLiteral("Total"), QStringLiteral("KindID"), QStringLiteral("Kind"),
                   11, QSize(598, 225), RepositionWindow::BoxLibrary},
                  makeBoxColumns(), {QStringLiteral("Mark")}, parent) {
    setObjectName(QStringLiteral("TBoxForm"));
    const QStringList truth{QStringLiteral("False"), QStringLiteral("True")};
    for (const char* f : {"TurnOn", "Temp"})
        DBGrid1->setItemDelegateForColumn(Model->columnOf(QLatin1String(f)), new ChoiceDelegate(truth, this));
    ImpButton = new QPushButton(this);
    ImpButton->setAutoDefault(false);
    buttonRow()->insertWidget(buttonRow()->indexOf(ClearButton), ImpButton);
    createImportMenu();
    connect(ImpButton, &QPushButton::clicked, this, &TBoxForm::ImpButtonClick);
    retranslate();
}

void TBoxForm::createImportMenu() {
    ImpMenu = new QMenu(this);
    auto heading = [this] {
        QAction* a = ImpMenu->addAction(QString());
        a->setEnabled(false);
        return a;
    };
    ImpPopAct = heading();
    ImpPopFile = ImpMenu->addAction(QString());
    ImpPopClip = ImpMenu->addAction(QString());
    ImpMenu->addSeparator();
    ImpPopOrder = heading();
    auto* orders = new QActionGroup(this);
    QAction** ord[4] = {&ImpPopOrd0, &ImpPopOrd1, &ImpPopOrd2, &ImpPopOrd3};
    for (int i = 0; i < 4; ++i) {
        *ord[i] = ImpMenu->addAction(QString());
        (*ord[i])->setCheckable(true);
        orders->addAction(*ord[i]);
        connect(*ord[i], &QAction::triggered, this, [this, i] { m_imp->ImpOrder = i; });
    }
    ImpMenu->addSeparator();
    ImpPopSeparat = heading();
    auto* seps = new QActionGroup(this);
    ImpPopSep0 = ImpMenu->addAction(QString());
    ImpPopSep1 = ImpMenu->addAction(QString());
    for (int i = 0; i < 2; ++i) {
        QAction* a = i == 0 ? ImpPopSep0 : ImpPopSep1;
        a->setCheckable(true);
        seps->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { m_imp->ImpSepar = i; });
    }
    ImpMenu->addSeparator();
    ImpPopHead = ImpMenu->addAction(QString());
    ImpPopHead->setCheckable(true);
    connect(ImpPopHead, &QAction::toggled, this, [this](bool on) { m_imp->ImpHeader = on ? 1 : 0; });
    connect(ImpPopFile, &QAction::triggered, this, &TBoxForm::fileImportRequested);
    connect(ImpPopClip, &QAction::triggered, this, &TBoxForm::clipboardImportRequested);
    connect(this, &TBoxForm::fileImportRequested, this, &TBoxForm::ImpPopFileClick);
    connect(this, &TBoxForm::clipboardImportRequested, this, &TBoxForm::ImpPopClipClick);
}

void TBoxForm::retranslate() {
    LibraryForm::retranslate();
    setWindowTitle(tr("Box Library"));
    const QStringList titles = boxTitles();
    for (int i = 0; i < titles.size(); ++i)
        Model->setTitle(i, titles[i]);
    for (const auto& [field, tip] : boxTips())
        Model->setTip(Model->columnOf(field), tip);
    ImpButton->setText(tr("&Import"));
    ImpButton->setToolTip(tr("Add box records from a text file or clipboard"));
    ImpPopAct->setText(tr("Import actions:"));
    ImpPopFile->setText(tr("    Read part / box data from file..."));
    ImpPopClip->setText(tr("    Paste part / box data from clipboard..."));
    ImpPopOrder->setText(tr("Define input data column order:"));
    ImpPopOrd0->setText(tr("   0)  Q'ty   Kind   Length   Width   [ Weight   Mark   TurnOn ]"));
    ImpPopOrd1->setText(tr("   1)  Kind   Q'ty   Length   Width   [ Weight   Mark   TurnOn ]"));
    ImpPopOrd2->setText(tr("   2)  Kind   Length   Width   [ Q'ty   Weight   Mark   TurnOn ]"));
    ImpPopOrd3->setText(tr("   3)  Kind   Length   Width   [ Weight   Q'ty   Mark   TurnOn ]"));
    ImpPopSeparat->setText(tr("Define input data field separators:"));
    ImpPopSep0->setText(tr("   Space or Tab  ( *.txt files)"));
    ImpPopSep1->setText(tr("   Comma  ( *.csv files)"));
    ImpPopHead->setText(tr("Check to omit first header line (paste from MS Access case)"));
}

void TBoxForm::showImportSettings() {
    QAction* const ord[4] = {ImpPopOrd0, ImpPopOrd1, ImpPopOrd2, ImpPopOrd3};
    for (int i = 0; i < 4; ++i)
        ord[i]->setChecked(m_imp->ImpOrder == i);
    ImpPopSep0->setChecked(m_imp->ImpSepar == 0);
    ImpPopSep1->setChecked(m_imp->ImpSepar == 1);
    const QSignalBlocker block(ImpPopHead);
    ImpPopHead->setChecked(m_imp->ImpHeader != 0);
}

void TBoxForm::ImpButtonClick() {
    QDir().mkpath(m_importFolder);
    showImportSettings();
    ImpMenu->popup(ImpButton->mapToGlobal(QPoint(-4, ImpButton->height() / 2)));
}

void TBoxForm::showEvent(QShowEvent* event) {
    LibraryForm::showEvent(event);
    showImportSettings();
}

QString TBoxForm::clearQuestion(const QString& name) const {
    return tr("Delete box:") + QStringLiteral("  ") + name;
}

QString TBoxForm::printQuestion() const {
    return tr("Print Box Library report now?");
}

void TBoxForm::firstPlacement(int screenHeight, int* top, int* height) const {
    *top = m_page.BoxesGrid->mapToGlobal(QPoint(0, 0)).y() + 80;
    *height = screenHeight - *top - 30;
}

} // namespace palvane
