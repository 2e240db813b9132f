// The Disposition window's commands: container navigation, the loading sequence and its timer,
// chart and image, picking a box, View Options and printing.
#include "DMForm.h"
#include "DistrForm.h"
#include "ProgramSwitches.h"
#include "TasksForm.h"

#include <QToolTip>
#include <cstdlib>

namespace palvane {

int TDistrForm::firstUsedContainer() const {
    const PlanView& plan = m_page.plan();
    return plan.containers.empty() ? 0 : plan.containers.front().number;
}

int TDistrForm::currentLoad() const {
    return m_page.plan().boxLoad(m_view.CurrentCont);
}

void TDistrForm::runSequenceTimer(int interval) {
    m_timerOn = true;
    m_timerInterval = interval;
    // A window timer of 0 ms fires nothing; a Qt timer of 0 ms would fire at once and forever.
    if (interval > 0)
        Timer2->start(interval);
    else
        Timer2->stop();
}

void TDistrForm::StopSequence() {
    Timer2->stop();
    m_timerOn = false;
    m_timerInterval = SequenceInterval;
}

void TDistrForm::showContainer(int container) {
    m_view.CurrentCont = std::int16_t(container);
    m_view.ShownBoxes = std::int16_t(currentLoad());
    SetButtonCaptions();
    EnableSequenceControls(m_view.CurrentCont != 0);
    DrawLayout();
}

void TDistrForm::SingleButtonClick() {
    StopSequence();
    showContainer(m_view.CurrentCont != 0 ? 0 : firstUsedContainer());
}

void TDistrForm::PrevButtonClick() {
    StopSequence();
    const PlanView& plan = m_page.plan();
    int c = m_view.CurrentCont == 0 ? plan.containerCount + 1 : m_view.CurrentCont;
    do
        --c;
    while (c > 0 && plan.boxLoad(c) < 1);
    showContainer(c);
}

void TDistrForm::NextButtonClick() {
    StopSequence();
    const PlanView& plan = m_page.plan();
    int c = m_view.CurrentCont;
    do {
        ++c;
        if (c > plan.containerCount) {
            c = 0;
            break;
        }
    } while (plan.boxLoad(c) < 1);
    showContainer(c);
}

void TDistrForm::OneButtonClick() {
    StopSequence();
    m_view.ShownBoxes = 1;
    DrawLayout();
}

void TDistrForm::MinButtonClick() {
    StopSequence();
    if (m_view.ShownBoxes >= 2) {
        --m_view.ShownBoxes;
        DrawLayout();
    }
}

void TDistrForm::PlsButtonClick() {
    StopSequence();
    if (m_view.ShownBoxes < currentLoad()) {
        ++m_view.ShownBoxes;
        DrawLayout();
    }
}

void TDistrForm::SumButtonClick() {
    StopSequence();
    m_view.ShownBoxes = std::int16_t(currentLoad());
    DrawLayout();
}

void TDistrForm::FillButtonClick() {
    if (m_timerOn) {
        // Each further press speeds the animation up.
        runSequenceTimer(m_timerInterval * 2 / 3);
        return;
    }
    if (m_view.ShownBoxes < currentLoad()) {
        ++m_view.ShownBoxes;
        DrawLayout();
        runSequenceTimer(m_timerInterval);
    }
}

void TDistrForm::Timer2Timer() {
    if (m_view.ShownBoxes >= currentLoad()) {
        StopSequence();
        return;
    }
    ++m_view.ShownBoxes;
    DrawLayout();
}

void TDistrForm::toggleTune() {
    if (m_tune.isVisible())
        m_tune.close();
    else
        m_tune.show();
}

void TDistrForm::closeTune() {
    if (m_tune.isVisible())
        m_tune.close();
}

void TDistrForm::TuneButtonClick() {
    toggleTune();
}

void TDistrForm::DiagButtonClick() {
    ChartMode = !ChartMode;
    ApplyViewMode();
    StopSequence();
}

QString TDistrForm::pickedBoxHint(int x, int y) const {
    // The boxes by number: the first drawn label near the click names its box.
    std::vector<const PlanBoxView*> boxes(std::size_t(kMaxTaskBoxes) + 1, nullptr);
    for (const PlanContainerView& c : m_page.plan().containers)
        for (const PlanBoxView& b : c.boxes)
            if (b.number >= 1 && b.number <= kMaxTaskBoxes)
                boxes[std::size_t(b.number)] = &b;
    for (int j = 1; j <= kMaxTaskBoxes; ++j) {
        const int lx = m_view.LabelX[std::size_t(j)], ly = m_view.LabelY[std::size_t(j)];
        if (lx == 0 && ly == 0)
            continue; // not drawn
        if (std::abs(lx - x) + std::abs(ly - y) >= 15 || !boxes[std::size_t(j)])
            continue;
        const PlanBoxView& b = *boxes[std::size_t(j)];
        const QChar br = QLatin1Char('\n');
        return QString::fromStdString(b.mark) + QStringLiteral(": ") + QString::fromStdString(b.kindName) +
               br + tr("Dims: ") + QString::number(b.length) + QLatin1Char('*') + QString::number(b.width) +
               br + tr("Wgt: ") + QString::number(b.weight) + br + tr("XY: ") + QString::number(b.x) +
               QStringLiteral(", ") + QString::number(b.y);
    }
    return tr("Right click mouse to adjust view");
}

void TDistrForm::Image1MouseDown(Qt::MouseButton button, int x, int y) {
    if (ChartMode)
        return;
    if (button == Qt::RightButton) {
        setImageHint(tr("Click box mark center to see properties"));
        toggleTune();
        return;
    }
    closeTune();
    setImageHint(pickedBoxHint(x, y));
    if (m_imageHintsOn && Image1->isVisible())
        QToolTip::showText(Image1->mapToGlobal(QPoint(x, y)), m_imageHint, Image1);
}

void TDistrForm::PrintButtonClick() {
    if (reportsRefused && reportsRefused())
        return;
    StopSequence();
    m_tune.PrintColors();
    DrawLayout();
    if (!m_dm.WarnsCheck || m_prompter.ask(PromptKind::Confirmation, tr("Print current Image now?"),
                                           PromptButtons::OkCancel) == PromptAnswer::Ok) {
        emit printRequested();
        // The receiver disables this window while it prints; it is usable again in any case.
        setEnabled(true);
    }
    m_tune.ScreenColors();
    DrawLayout();
}

} // namespace palvane
