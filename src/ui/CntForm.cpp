#include "CntForm.h"

namespace palvane {

namespace {

struct ColumnSpec {
    const char* field;
    int width;
};

// Container Library columns, left to right.
const ColumnSpec contColumns[] = {{"Avail", 41},  {"Type", 172},  {"Mark", 36},    {"Length", 52},
                                  {"Width", 52},  {"Volume", 60}, {"FillDir", 52}, {"LoadWt", 56},
                                  {"NoseWt", 52}, {"TailWt", 52}, {"NoseDL", 52},  {"TailDL", 52},
                                  {"Temp", 44},   {"Descr", 279}};

QStringList contTitles() {
    return {TCntForm::tr("Q'ty"),     TCntForm::tr("Sheet / 2D Container Type"),
            TCntForm::tr("Mark"),     TCntForm::tr("Length"),
            TCntForm::tr("Width"),    TCntForm::tr("Area"),
            TCntForm::tr("Fill Dir"), TCntForm::tr("LoadWt"),
            TCntForm::tr("NoseWt"),   TCntForm::tr("TailWt"),
            TCntForm::tr("NoseDL"),   TCntForm::tr("TailDL"),
            TCntForm::tr("Temp"),     TCntForm::tr("  Description")};
}

// Hints over the titles a user cannot read at sight, by field.
QList<std::pair<QString, QString>> contTips() {
    return {
        {QStringLiteral("Avail"),
         TCntForm::tr("Quantity: containers of this type that \"Copy to\" puts into the current task")},
        {QStringLiteral("FillDir"),
         TCntForm::tr("Fill direction: boxes are loaded along the Length, across it (Width), or Either way")},
        {QStringLiteral("NoseWt"),
         TCntForm::tr("Load limit of the front (nose) axle; 0 with TailWt 0: no axle check")},
        {QStringLiteral("TailWt"),
         TCntForm::tr("Load limit of the rear (tail) axle; 0 with NoseWt 0: no axle check")},
        {QStringLiteral("NoseDL"), TCntForm::tr("Distance of the front (nose) axle from the front end")},
        {QStringLiteral("TailDL"), TCntForm::tr("Distance of the rear (tail) axle from the rear end")},
        {QStringLiteral("Temp"),
         TCntForm::tr("Temporary record: \"Clear\" in edit mode deletes it when no task uses it")}};
}

std::vector<GridColumn> makeContColumns() {
    std::vector<GridColumn> cols;
    const QStringList titles = contTitles();
    int i = 0;
    for (const ColumnSpec& c : contColumns)
        cols.emplace_back(QLatin1String(c.field), titles[i++], c.width);
    return cols;
}

} // namespace

TCntForm::TCntForm(TDMForm& dm, Prompter& prompter, TTasksForm& page, QWidget* parent)
    : LibraryForm(dm, prompter, page,
                  {Table::Conts, QStringLiteral("Avail"), QStringLiteral("TypeID"), QStringLiteral("Type"), 9,
                   QSize(650, 225), RepositionWindow::ContainerLibrary},
                  makeContColumns(), {QStringLiteral("Mark"), QStringLiteral("FillDir")}, parent) {
    setObjectName(QStringLiteral("TCntForm"));
    DBGrid1->setItemDelegateForColumn(
        Model->columnOf(QStringLiteral("FillDir")),
        new ChoiceDelegate({QStringLiteral("Length"), QStringLiteral("Width"), QStringLiteral("Either")},
                           this));
    DBGrid1->setItemDelegateForColumn(
        Model->columnOf(QStringLiteral("Temp")),
        new ChoiceDelegate({QStringLiteral("False"), QStringLiteral("True")}, this));
    retranslate();
}

void TCntForm::retranslate() {
    LibraryForm::retranslate();
    setWindowTitle(tr("Container Library"));
    const QStringList titles = contTitles();
    for (int i = 0; i < titles.size(); ++i)
        Model->setTitle(i, titles[i]);
    for (const auto& [field, tip] : contTips())
        Model->setTip(Model->columnOf(field), tip);
}

QString TCntForm::clearQuestion(const QString& name) const {
    return tr("Delete container:") + QLatin1Char('\r') + name;
}

QString TCntForm::printQuestion() const {
    return tr("Print Container Library report now?");
}

void TCntForm::firstPlacement(int screenHeight, int* top, int* height) const {
    const int buttonTop = m_page.BoxesButton->mapTo(&m_page, QPoint(0, 0)).y();
    *top = m_page.BoxesButton->mapToGlobal(QPoint(0, 0)).y() - 8;
    *height = std::min(m_page.height() - buttonTop + 16, screenHeight - *top - 30);
}

} // namespace palvane
