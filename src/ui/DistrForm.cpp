// The Disposition window's construction, placement, showing, texts and drawing.
#include "DistrForm.h"
#include "DMForm.h"
#include "ProgramSwitches.h"
#include "TasksForm.h"
#include "UtilisationChart.h"
#include "WindowFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace palvane {

namespace {
// The smallest size the window is designed for; its texts may ask for more.
constexpr QSize DesignMinimum(516, 388);
} // namespace

namespace {
// The bitmap is large enough for the largest window.
constexpr int BitmapWidth = 1600, BitmapHeight = 1200;
} // namespace

DistrImage::DistrImage(const QImage& bitmap, QWidget* parent) : QWidget(parent), m_bitmap(bitmap) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DistrImage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_bitmap, QRect(0, 0, width(), height()));
}

void DistrImage::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit mousePressed(event->button(), p.x(), p.y());
}

TDistrForm::TDistrForm(TDMForm& dm, TTasksForm& page, TTuneForm& tune, const SavedViewOptions& saved,
                       Prompter& prompter, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_dm(dm), m_page(page), m_tune(tune), m_prompter(prompter),
      m_bitmap(BitmapWidth, BitmapHeight, QImage::Format_RGB32) {
    setObjectName(QStringLiteral("TDistrForm"));
    setProperty("helpContext", 7);
    m_bitmap.fill(Qt::black);
    createControls();
    layoutControls();
    setMinimumSize(DesignMinimum);
    setMaximumSize(1608, 1208);
    resize(776, 536);
    setMouseTracking(true);

    Timer2 = new QTimer(this);
    connect(Timer2, &QTimer::timeout, this, &TDistrForm::Timer2Timer);

    // The View Options become this window's tool window, so they take input while it is modal.
    m_tunePtr = &m_tune;
    m_tune.setParent(this, m_tune.windowFlags());
    m_tune.setDockWindow(this);
    connect(&m_tune, &TTuneForm::redrawRequested, this, [this] {
        if (isVisible() && !ChartMode)
            DrawLayout();
    });
    connect(ProgramSwitches::instance(), &ProgramSwitches::hintsChanged, this,
            [this] { updateImageHints(); });
    // FormCreate: all controls normal, then the values the settings file kept.
    m_tune.NormalTracks(true);
    m_tune.restoreSaved(saved);
    setImageHint(tr("Click box mark center to see properties"));
    retranslate();
}

TDistrForm::~TDistrForm() {
    // The View Options outlive this window.
    if (m_tunePtr) {
        m_tunePtr->hide();
        m_tunePtr->setDockWindow(nullptr);
        m_tunePtr->setParent(nullptr, m_tunePtr->windowFlags());
    }
}

void TDistrForm::createControls() {
    Panel1 = new QFrame(this);
    Panel1->setAutoFillBackground(true);
    QPalette black = Panel1->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel1->setPalette(black);
    Image1 = new DistrImage(m_bitmap, Panel1);
    connect(Image1, &DistrImage::mousePressed, this, &TDistrForm::Image1MouseDown);

    Label3 = new QLabel(this);
    Label1 = new QLabel(this);
    auto button = [this](int width) {
        auto* b = new QPushButton(this);
        b->setAutoDefault(false);
        b->setFixedWidth(width);
        // Widened for captions that need more (fitButtonWidths).
        b->setProperty("designWidth", width);
        return b;
    };
    OneButton = button(28);
    MinButton = button(28);
    PlsButton = button(28);
    FillButton = button(32);
    SumButton = button(28);
    PrevButton = button(56);
    SingleButton = button(56);
    NextButton = button(56);
    TuneButton = button(32);
    PrintButton = button(64);
    DiagButton = button(64);
    CloseButton = button(64);
    SheetButton = new LoadingSheetButton(this, true);
    SheetButton->setFixedWidth(64);
    SheetButton->setProperty("designWidth", 64);
    SheetButton->currentContainer = [this] { return int(m_view.CurrentCont); };
    connect(SheetButton, &LoadingSheetButton::requested, this, [this](int container) {
        if (reportsRefused && reportsRefused())
            return;
        StopSequence();
        emit sheetRequested(container);
        // The receiver disables this window while it prints; it is usable again in any case.
        setEnabled(true);
    });
    QFont larger = MinButton->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    PlsButton->setFont(larger);
    larger.setBold(true);
    MinButton->setFont(larger);
    QFont bold = TuneButton->font();
    bold.setBold(true);
    TuneButton->setFont(bold);
    for (QPushButton* b : {OneButton, MinButton, PlsButton, FillButton, SumButton})
        b->setEnabled(false);

    connect(OneButton, &QPushButton::clicked, this, &TDistrForm::OneButtonClick);
    connect(MinButton, &QPushButton::clicked, this, &TDistrForm::MinButtonClick);
    connect(PlsButton, &QPushButton::clicked, this, &TDistrForm::PlsButtonClick);
    connect(FillButton, &QPushButton::clicked, this, &TDistrForm::FillButtonClick);
    connect(SumButton, &QPushButton::clicked, this, &TDistrForm::SumButtonClick);
    connect(PrevButton, &QPushButton::clicked, this, &TDistrForm::PrevButtonClick);
    connect(SingleButton, &QPushButton::clicked, this, &TDistrForm::SingleButtonClick);
    connect(NextButton, &QPushButton::clicked, this, &TDistrForm::NextButtonClick);
    connect(TuneButton, &QPushButton::clicked, this, &TDistrForm::TuneButtonClick);
    connect(PrintButton, &QPushButton::clicked, this, &TDistrForm::PrintButtonClick);
    connect(DiagButton, &QPushButton::clicked, this, &TDistrForm::DiagButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TDistrForm::CloseButtonClick);
}

void TDistrForm::layoutControls() {
    auto* panel = new QVBoxLayout(Panel1);
    panel->setContentsMargins(3, 3, 3, 3);
    panel->addWidget(Image1);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    row->addWidget(Label3);
    for (QPushButton* b : {OneButton, MinButton, PlsButton, FillButton, SumButton})
        row->addWidget(b);
    row->addSpacing(10);
    row->addWidget(Label1);
    for (QPushButton* b : {PrevButton, SingleButton, NextButton})
        row->addWidget(b);
    row->addSpacing(10);
    for (QPushButton* b :
         {TuneButton, PrintButton, static_cast<QPushButton*>(SheetButton), DiagButton, CloseButton})
        row->addWidget(b);
    row->addStretch();
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(2, 2, 2, 4);
    all->addWidget(Panel1, 1);
    all->addLayout(row);
}

int TDistrForm::showModal() {
    if (blockingModal)
        return exec();
    setModal(true);
    show();
    return QDialog::Accepted;
}

void TDistrForm::place() {
    if (!m_page.reposition(RepositionWindow::Disposition))
        return;
    const QScreen* screen = m_page.screen() ? m_page.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    move(std::max(4, area.width() - width() - 4), std::max(0, area.height() - height() - 30));
    keepOnScreen(this);
    m_page.clearReposition(RepositionWindow::Disposition);
}

void TDistrForm::FormShow() {
    place();
    SequenceInterval = 1000;
    m_tune.ScreenTracks();
    m_tune.ScreenColors();
    m_view.CurrentCont = 0;
    StopSequence();
    if (m_page.plan().usedContainers == 1)
        m_view.CurrentCont = std::int16_t(firstUsedContainer());
    m_view.ShownBoxes = std::int16_t(currentLoad());
    SetButtonCaptions();
    EnableSequenceControls(m_view.CurrentCont != 0);
    ChartMode = false;
    ApplyViewMode();
}

void TDistrForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (layout())
        layout()->activate();
    FormShow();
}

void TDistrForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    m_tune.TuneNeedsPlacement = true;
    if (!isVisible())
        return;
    if (layout())
        layout()->activate();
    if (ChartMode)
        DrawChart();
    else
        DrawLayout();
}

void TDistrForm::mouseMoveEvent(QMouseEvent* event) {
    setImageHint(tr("Click box mark center to see properties"));
    QDialog::mouseMoveEvent(event);
}

void TDistrForm::done(int) {
    closeTune();
    StopSequence();
    QDialog::done(QDialog::Accepted);
}

void TDistrForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::FontChange) {
        fitButtonWidths(this);
        fitMinimumSize(this, DesignMinimum);
    }
    QDialog::changeEvent(event);
}

void TDistrForm::setImageHint(const QString& hint) {
    m_imageHint = hint;
    updateImageHints();
}

void TDistrForm::updateImageHints() {
    m_imageHintsOn = !ChartMode && ProgramSwitches::instance()->hintsOn();
    Image1->setToolTip(m_imageHintsOn ? m_imageHint : QString());
}

void TDistrForm::modeTexts() {
    const QString title = applicationTitle() + QStringLiteral("  -  ");
    if (ChartMode) {
        setWindowTitle(title + tr("Container Area/Weight Capacity Utilization"));
        DiagButton->setText(tr("&Image"));
        DiagButton->setToolTip(tr("Return to 2D Image"));
    } else {
        setWindowTitle(title + tr("Box Set Disposition"));
        DiagButton->setText(tr("&Chart"));
        DiagButton->setToolTip(tr("Area-Weight utilization diagram"));
    }
}

void TDistrForm::retranslate() {
    Label3->setText(tr("Boxes"));
    Label1->setText(tr("Containers"));
    OneButton->setText(tr("1"));
    MinButton->setText(tr("-"));
    PlsButton->setText(tr("+"));
    FillButton->setText(tr(">>"));
    SumButton->setText(tr("N"));
    for (QPushButton* b : {OneButton, MinButton, PlsButton, FillButton, SumButton})
        b->setToolTip(tr("Loading Sequence"));
    for (QPushButton* b : {PrevButton, SingleButton, NextButton})
        b->setToolTip(tr("Container to view"));
    TuneButton->setText(tr("..."));
    TuneButton->setToolTip(tr("View Options"));
    PrintButton->setText(tr("&Print"));
    PrintButton->setToolTip(tr("Print Current Image"));
    SheetButton->retranslate();
    CloseButton->setText(tr("Clos&e"));
    CloseButton->setToolTip(tr("Return to Task / Solution page"));
    SetButtonCaptions();
    modeTexts();
    fitMinimumSize(this, DesignMinimum);
}

void TDistrForm::SetButtonCaptions() {
    if (m_view.CurrentCont == 0) {
        SingleButton->setText(tr("Single"));
        PrevButton->setText(tr("Last"));
        NextButton->setText(tr("First"));
    } else {
        SingleButton->setText(tr("All"));
        PrevButton->setText(tr("Prev"));
        NextButton->setText(tr("Next"));
    }
    fitButtonWidths(this);
}

void TDistrForm::EnableSequenceControls(bool on) {
    for (QPushButton* b : {OneButton, MinButton, PlsButton, FillButton, SumButton})
        b->setEnabled(on);
    m_tune.GridTrack->setEnabled(on);
    m_tune.GridLabel->setEnabled(on);
    DiagButton->setEnabled(!on);
}

void TDistrForm::EnableViewControls(bool on) {
    TuneButton->setEnabled(on);
    PrintButton->setEnabled(on);
    SheetButton->setEnabled(on);
    const bool navigate = on && m_page.plan().usedContainers > 1;
    for (QPushButton* b : {SingleButton, PrevButton, NextButton})
        b->setEnabled(navigate);
}

void TDistrForm::ApplyViewMode() {
    closeTune();
    updateImageHints();
    EnableViewControls(!ChartMode);
    EnableSequenceControls(!ChartMode && m_view.CurrentCont != 0);
    modeTexts();
    if (ChartMode)
        DrawChart();
    else
        DrawLayout();
}

void TDistrForm::DrawLayout() {
    const int w = std::min(Image1->width(), BitmapWidth), h = std::min(Image1->height(), BitmapHeight);
    {
        QPainter painter(&m_bitmap);
        ::palvane::DrawLayout(painter, w, h, false, m_page.plan(), m_tune.settings(), m_view);
    }
    Image1->update();
}

void TDistrForm::DrawChart() {
    const int w = std::min(Image1->width(), BitmapWidth), h = std::min(Image1->height(), BitmapHeight);
    {
        QPainter painter(&m_bitmap);
        ::palvane::DrawChart(painter, w, h, m_page.plan(), m_tune.settings());
    }
    Image1->update();
}

void TDistrForm::drawReportImage(QPainter& painter, int width, int height) {
    ::palvane::DrawLayout(painter, width, height, true, m_page.plan(), m_tune.settings(), m_view);
}

} // namespace palvane
