#include "TuneForm.h"
#include "TasksForm.h"
#include "WindowFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

namespace palvane {

namespace {

// Track geometry: 112 pixels wide at the left edge, rows 25 pixels apart from 10 pixels down.
constexpr int TrackLeft = 2, TrackWidth = 112, TrackHeight = 22, RowTop = 10, RowStep = 25;
// Designed client size; the window grows when its texts need more room.
constexpr int DesignWidth = 174, DesignHeight = 311;
// The check boxes and buttons below the tracks: left edges, design widths and heights.
constexpr int CheckLeft = 6, CheckWidth = 92, CheckHeight = 22, ButtonLeft = 104, ButtonWidth = 64,
              ButtonHeight = 24, Spacing = 6;
// Normal positions of the tracks.
constexpr int NormalGrid = 0, NormalMagn = 30, NormalShift = 0, NormalSpace = 1, NormalLine = 1,
              NormalPalett = 0, NormalBright = 16, NormalBackGr = 2, NormalPartGr = 4;
constexpr int MaxBright = MaxBrightPosition;

} // namespace

resetLabel::resetLabel(QWidget* parent) : QLabel(parent) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
}

void resetLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

TTuneForm::TTuneForm(TTasksForm* page, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_page(page) {
    setObjectName(QStringLiteral("TTuneForm"));
    setProperty("helpContext", 7);
    setModal(false);
    setFixedSize(DesignWidth, DesignHeight);

    GridTrack = makeTrack(0, -4, 4, 1, 1, 1, NormalGrid);
    MagnTrack = makeTrack(1, 0, 100, 2, 10, 10, NormalMagn);
    ShiftXTrack = makeTrack(2, -100, 100, 2, 15, 20, NormalShift);
    ShiftYTrack = makeTrack(3, -100, 100, 2, 15, 20, NormalShift);
    SpaceTrack = makeTrack(4, 0, 8, 1, 1, 1, NormalSpace);
    LineTrack = makeTrack(5, 0, 4, 1, 1, 1, NormalLine);
    PalettTrack = makeTrack(6, 0, 8, 1, 1, 1, NormalPalett);
    BrightTrack = makeTrack(7, 0, MaxBright, 1, 1, 2, NormalBright);
    PartGrTrack = makeTrack(8, 0, 16, 1, 1, 2, NormalPartGr);
    BackGrTrack = makeTrack(9, 0, 16, 1, 1, 2, NormalBackGr);
    GridLabel = makeLabel(0);
    Label4 = makeLabel(1);
    Label1 = makeLabel(2);
    Label5 = makeLabel(3);
    Label9 = makeLabel(4);
    Label10 = makeLabel(5);
    Label11 = makeLabel(6);
    Label12 = makeLabel(7);
    Label2 = makeLabel(8);
    Label13 = makeLabel(9);

    MarkKindCheck = new QCheckBox(this);
    OrientCheck = new QCheckBox(this);
    NormBut = new QPushButton(this);
    CloseBut = new QPushButton(this);
    NormBut->setAutoDefault(false);
    CloseBut->setAutoDefault(false);

    ScreenTracks();
    ScreenColors();
    connectControls();
    retranslate();
}

QSlider* TTuneForm::makeTrack(int row, int minimum, int maximum, int lineStep, int pageStep, int tick,
                              int normal) {
    auto* t = new QSlider(Qt::Horizontal, this);
    t->setRange(minimum, maximum);
    t->setSingleStep(lineStep);
    t->setPageStep(pageStep);
    t->setTickInterval(tick);
    t->setTickPosition(QSlider::TicksBelow);
    t->setValue(normal);
    t->setGeometry(TrackLeft, RowTop + row * RowStep, TrackWidth, TrackHeight);
    return t;
}

resetLabel* TTuneForm::makeLabel(int row) {
    auto* l = new resetLabel(this);
    l->setGeometry(TrackLeft + TrackWidth + 4, RowTop + row * RowStep + 2, DesignWidth - TrackWidth - 8, 18);
    return l;
}

void TTuneForm::fitTexts() {
    // Labels right of the tracks: as wide as the widest caption.
    int labelWidth = DesignWidth - TrackWidth - 8;
    const QList<resetLabel*> labels{GridLabel, Label4,  Label1,  Label5, Label9,
                                    Label10,   Label11, Label12, Label2, Label13};
    for (const resetLabel* l : labels)
        labelWidth = std::max(labelWidth, l->sizeHint().width());
    const int labelLeft = TrackLeft + TrackWidth + 4;
    for (int row = 0; row < labels.size(); ++row)
        labels[row]->setGeometry(labelLeft, RowTop + row * RowStep + 2, labelWidth, 18);
    // Check boxes on the left, buttons right of them.
    const int below = RowTop + 10 * RowStep + 2;
    const int checkWidth =
        std::max({CheckWidth, MarkKindCheck->sizeHint().width(), OrientCheck->sizeHint().width()});
    const int buttonLeft = std::max(ButtonLeft, CheckLeft + checkWidth + Spacing);
    const int buttonWidth =
        std::max({ButtonWidth, NormBut->sizeHint().width(), CloseBut->sizeHint().width()});
    const int checkHeight =
        std::max({CheckHeight, MarkKindCheck->sizeHint().height(), OrientCheck->sizeHint().height()});
    MarkKindCheck->setGeometry(CheckLeft, below, checkWidth, checkHeight);
    OrientCheck->setGeometry(CheckLeft, below + 26, checkWidth, checkHeight);
    NormBut->setGeometry(buttonLeft, below, buttonWidth, ButtonHeight);
    CloseBut->setGeometry(buttonLeft, below + 26, buttonWidth, ButtonHeight);
    const int width = std::max({DesignWidth, labelLeft + labelWidth + 4, buttonLeft + buttonWidth + Spacing});
    // The design lets the lower button touch the bottom edge.
    const int height = std::max(DesignHeight, below + 26 + std::max(checkHeight, ButtonHeight) - 1);
    if (size() != QSize(width, height)) {
        setFixedSize(width, height);
        TuneNeedsPlacement = true;
    }
}

void TTuneForm::connectControls() {
    auto redraw = [this] { emit redrawRequested(); };
    connect(GridTrack, &QSlider::valueChanged, this, [this, redraw](int p) {
        m_settings.GridLevel = p;
        redraw();
    });
    connect(MagnTrack, &QSlider::valueChanged, this, [this, redraw](int p) {
        m_settings.Magnification = float((p + 40) / 70.0L);
        redraw();
    });
    connect(ShiftXTrack, &QSlider::valueChanged, this, [this, redraw](int p) {
        m_settings.ShiftX = float(-5 * p);
        redraw();
    });
    connect(ShiftYTrack, &QSlider::valueChanged, this, [this, redraw](int p) {
        m_settings.ShiftY = float(3 * p);
        redraw();
    });
    connect(SpaceTrack, &QSlider::valueChanged, this, [this, redraw](int p) {
        m_settings.VisualGap = float(p);
        redraw();
    });
    connect(LineTrack, &QSlider::valueChanged, this, [this, redraw](int p) {
        m_settings.LineWidth = p;
        redraw();
    });
    connect(PalettTrack, &QSlider::valueChanged, this, [this](int p) {
        m_settings.PaletteShift = p;
        colorChanged();
    });
    connect(BrightTrack, &QSlider::valueChanged, this, [this](int p) {
        m_settings.Dimming = (MaxBright - p) * 2;
        colorChanged();
    });
    connect(BackGrTrack, &QSlider::valueChanged, this, [this](int p) {
        m_settings.BackgroundColor = BackColor(p);
        colorChanged();
    });
    connect(PartGrTrack, &QSlider::valueChanged, this, [this](int p) {
        m_settings.PartColor = BackColor(p);
        colorChanged();
    });
    connect(MarkKindCheck, &QCheckBox::toggled, this, [this, redraw](bool on) {
        m_settings.ShowKinds = on;
        redraw();
    });
    connect(OrientCheck, &QCheckBox::toggled, this, [this, redraw](bool on) {
        m_settings.ShowTurnSigns = on;
        redraw();
    });
    connect(GridLabel, &resetLabel::clicked, this, &TTuneForm::NormGrid);
    connect(Label4, &resetLabel::clicked, this, &TTuneForm::NormSizes);
    connect(Label1, &resetLabel::clicked, this, &TTuneForm::NormShift);
    connect(Label5, &resetLabel::clicked, this, &TTuneForm::NormShift);
    connect(Label9, &resetLabel::clicked, this, &TTuneForm::NormSpaces);
    connect(Label10, &resetLabel::clicked, this, &TTuneForm::NormLines);
    for (resetLabel* l : {Label2, Label11, Label12, Label13})
        connect(l, &resetLabel::clicked, this, &TTuneForm::NormColors);
    connect(NormBut, &QPushButton::clicked, this, [this] { NormalTracks(true); });
    connect(CloseBut, &QPushButton::clicked, this, &TTuneForm::CloseButClick);
}

void TTuneForm::buildPalette() {
    BuildPalette(m_settings, LineTrack->value());
}

void TTuneForm::colorChanged() {
    buildPalette();
    emit redrawRequested();
}

void TTuneForm::NormGrid() {
    GridTrack->setValue(NormalGrid);
}
void TTuneForm::NormSizes() {
    MagnTrack->setValue(NormalMagn);
}
void TTuneForm::NormShift() {
    ShiftXTrack->setValue(NormalShift);
    ShiftYTrack->setValue(NormalShift);
}
void TTuneForm::NormSpaces() {
    SpaceTrack->setValue(NormalSpace);
}
void TTuneForm::NormLines() {
    LineTrack->setValue(NormalLine);
}
void TTuneForm::NormColors() {
    PalettTrack->setValue(NormalPalett);
    BrightTrack->setValue(NormalBright);
    BackGrTrack->setValue(NormalBackGr);
    PartGrTrack->setValue(NormalPartGr);
}

void TTuneForm::NormalTracks(bool all) {
    if (all) {
        NormGrid();
        NormSpaces();
        NormLines();
        NormColors();
        MarkKindCheck->setChecked(false);
        OrientCheck->setChecked(false);
    }
    NormSizes();
    NormShift();
}

void TTuneForm::ScreenTracks() {
    m_settings.ShiftX = float(-5 * ShiftXTrack->value());
    m_settings.ShiftY = float(3 * ShiftYTrack->value());
    m_settings.Magnification = float((MagnTrack->value() + 40) / 70.0L);
    m_settings.VisualGap = float(SpaceTrack->value());
    m_settings.GridLevel = GridTrack->value();
    m_settings.ShowKinds = MarkKindCheck->isChecked();
    m_settings.ShowTurnSigns = OrientCheck->isChecked();
}

void TTuneForm::ScreenColors() {
    m_settings.LineWidth = LineTrack->value();
    m_settings.PaletteShift = PalettTrack->value();
    m_settings.PartColor = BackColor(PartGrTrack->value());
    m_settings.Dimming = (MaxBright - BrightTrack->value()) * 2;
    m_settings.BackgroundColor = BackColor(BackGrTrack->value());
    buildPalette();
}

void TTuneForm::PrintColors() {
    SetPrintColors(m_settings, LineTrack->value(), PalettTrack->value(), BrightTrack->value(),
                   PartGrTrack->value());
}

void TTuneForm::restoreSaved(const SavedViewOptions& saved) {
    if (saved.Space == KeepViewDefaults)
        return;
    // QSlider clamps a value outside its range to the range.
    SpaceTrack->setValue(saved.Space);
    LineTrack->setValue(saved.Line);
    PalettTrack->setValue(saved.Palett);
    BrightTrack->setValue(saved.Bright);
    BackGrTrack->setValue(saved.BackGr);
    PartGrTrack->setValue(saved.Parts);
    GridTrack->setValue(saved.Grid);
    MarkKindCheck->setChecked(saved.MarkKind == 1);
    OrientCheck->setChecked(saved.Orient == 1);
}

SavedViewOptions TTuneForm::savedValues() const {
    SavedViewOptions v;
    v.Space = SpaceTrack->value();
    v.Line = LineTrack->value();
    v.Palett = PalettTrack->value();
    v.Bright = BrightTrack->value();
    v.BackGr = BackGrTrack->value();
    v.Parts = PartGrTrack->value();
    v.Grid = GridTrack->value();
    v.MarkKind = MarkKindCheck->isChecked() ? 1 : 0;
    v.Orient = OrientCheck->isChecked() ? 1 : 0;
    return v;
}

void TTuneForm::FormShow() {
    const bool pageAsks = m_page && m_page->reposition(RepositionWindow::ViewOptions);
    if (!(TuneNeedsPlacement || pageAsks) || !m_dock)
        return;
    const QScreen* screen = m_dock->screen() ? m_dock->screen() : QGuiApplication::primaryScreen();
    const int S = screen->geometry().width();
    const QRect d = m_dock->frameGeometry();
    // Before the first showing the frame is not known yet: count the title bar and borders as
    // the Disposition window has them.
    const QSize frame = isVisible() ? frameGeometry().size() - size() : d.size() - m_dock->size();
    const int Tw = width() + frame.width(), Th = height() + frame.height();
    const int overflow = std::max(0, Tw + d.left() + d.width() - S);
    const int Dl = std::max(-4, d.left() - overflow);
    m_dock->move(Dl, d.top());
    // The window stays whole on the screen's free area (not under panels or off its edges).
    const QRect free = screen->availableGeometry();
    const int left = std::clamp(std::min(S - Tw, Dl + d.width()), free.left(),
                                std::max(free.left(), free.right() + 1 - Tw));
    const int top =
        std::clamp(d.top() + d.height() - Th, free.top(), std::max(free.top(), free.bottom() + 1 - Th));
    move(left, top);
    TuneNeedsPlacement = false;
    if (m_page)
        m_page->clearReposition(RepositionWindow::ViewOptions);
}

void TTuneForm::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
}

void TTuneForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    if (event->type() == QEvent::FontChange)
        fitTexts();
    QDialog::changeEvent(event);
}

void TTuneForm::retranslate() {
    setWindowTitle(tr("View Options"));
    const struct {
        QWidget* track;
        const char* hint;
    } trackHints[] = {
        {GridTrack, QT_TR_NOOP("Choose grid frequency")}, {MagnTrack, QT_TR_NOOP("Overall scale tuner")},
        {ShiftXTrack, QT_TR_NOOP("Move across")},         {ShiftYTrack, QT_TR_NOOP("Move up/down")},
        {SpaceTrack, QT_TR_NOOP("Visual separation")},    {LineTrack, QT_TR_NOOP("Wire line width")},
        {PalettTrack, QT_TR_NOOP("Choose color set")},    {BrightTrack, QT_TR_NOOP("Line brightness")},
        {PartGrTrack, QT_TR_NOOP("Box / Part color")},    {BackGrTrack, QT_TR_NOOP("Background color")}};
    for (const auto& t : trackHints)
        t.track->setToolTip(tr(t.hint));
    const struct {
        QLabel* label;
        const char* caption;
        const char* hint;
    } labels[] = {{GridLabel, QT_TR_NOOP("Grid"), QT_TR_NOOP("Click to reset grid")},
                  {Label4, QT_TR_NOOP("Size"), QT_TR_NOOP("Click to reset size")},
                  {Label1, QT_TR_NOOP("Move X"), QT_TR_NOOP("Click to reset shifts")},
                  {Label5, QT_TR_NOOP("Move Y"), QT_TR_NOOP("Click to reset shifts")},
                  {Label9, QT_TR_NOOP("Gaps"), QT_TR_NOOP("Click to reset gaps")},
                  {Label10, QT_TR_NOOP("Lines"), QT_TR_NOOP("Click to reset lines")},
                  {Label11, QT_TR_NOOP("Colors"), QT_TR_NOOP("Click to reset coloring")},
                  {Label12, QT_TR_NOOP("Light"), QT_TR_NOOP("Click to reset coloring")},
                  {Label2, QT_TR_NOOP("Parts"), QT_TR_NOOP("Click to reset coloring")},
                  {Label13, QT_TR_NOOP("Ground"), QT_TR_NOOP("Click to reset coloring")}};
    for (const auto& l : labels) {
        l.label->setText(tr(l.caption));
        l.label->setToolTip(tr(l.hint));
    }
    MarkKindCheck->setText(tr("Box Kinds"));
    MarkKindCheck->setToolTip(tr("Display box Kinds instead of Marks"));
    OrientCheck->setText(tr("Turn Signs"));
    OrientCheck->setToolTip(tr("Display box orientation signs"));
    NormBut->setText(tr("Norm"));
    NormBut->setToolTip(tr("Restore all normal values"));
    CloseBut->setText(tr("Close"));
    CloseBut->setToolTip(tr("Close View Options"));
    fitTexts();
}

} // namespace palvane
