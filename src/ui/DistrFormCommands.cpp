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
    const PackWorkspace& ws = m_page.workspace();
    for (int i = 1; i <= ws.ContCount && i < kContSlots; ++i)
        if (ws.ResultPlan.BoxLoad[i] >= 1)
            return i;
    return 0;
}

int TDistrForm::currentLoad() const {
    const int i = m_view.CurrentCont;
    return i >= 0 && i < kContSlots ? m_page.workspace().ResultPlan.BoxLoad[i] : 0;
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
    const PackWorkspace& ws = m_page.workspace();
    int c = m_view.CurrentCont == 0 ? std::min<int>(ws.ContCount, kContSlots - 1) + 1 : m_view.CurrentCont;
    do
        --c;
    while (c > 0 && ws.ResultPlan.BoxLoad[c] < 1);
    showContainer(c);
}

void TDistrForm::NextButtonClick() {
    StopSequence();
    const PackWorkspace& ws = m_page.workspace();
    const int last = std::min<int>(ws.ContCount, kContSlots - 1);
    int c = m_view.CurrentCont;
    do {
        ++c;
        if (c > last) {
            c = 0;
            break;
        }
    } while (ws.ResultPlan.BoxLoad[c] < 1);
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
    const PackWorkspace& ws = m_page.workspace();
    const PackPlan& p = ws.ResultPlan;
    for (int j = 1; j <= ws.BoxCount && j < kBoxSlots; ++j) {
        const int lx = m_view.LabelX[j], ly = m_view.LabelY[j];
        if (lx == 0 && ly == 0)
            continue; // not drawn
        if (std::abs(lx - x) + std::abs(ly - y) >= 15)
            continue;
        const int k = ws.BoxKind[j];
        const QChar br = QLatin1Char('\n');
        return QString::fromUtf8(ws.KindMark[k].c_str()) + QStringLiteral(": ") +
               QString::fromUtf8(ws.KindName[k].c_str()) + br + tr("Dims: ") + QString::number(p.PosLh[j]) +
               QLatin1Char('*') + QString::number(p.PosWh[j]) + br + tr("Wgt: ") +
               QString::number(ws.KindWeight[k]) + br + tr("XY: ") + QString::number(p.PosX[j]) +
               QStringLiteral(", ") + QString::number(p.PosY[j]);
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
    if (m_page.ReportsRefused())
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
