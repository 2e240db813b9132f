#pragma once
// The Box Set Disposition window `TDistrForm`: the stored plan drawn from the workspace, all used
// containers side by side or one alone with its loading sequence stepped or animated by a timer,
// the area/weight utilisation chart, navigation between containers, picking a box to see its data
// in the image's hint, the View Options window and printing of the current image.
#include "LayoutRenderer.h"
#include "LoadingSheetButton.h"
#include "Prompter.h"
#include "TuneForm.h"

#include <QDialog>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace palvane {

class TDMForm;
class TTasksForm;

// The window's image: shows the top-left part of the form's bitmap and reports mouse presses.
class DistrImage : public QWidget {
    Q_OBJECT
public:
    DistrImage(const QImage& bitmap, QWidget* parent);
signals:
    void mousePressed(Qt::MouseButton button, int x, int y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const QImage& m_bitmap;
};

class TDistrForm : public QDialog {
    Q_OBJECT
public:
    // The plan is the Task Page's workspace; `tune` is the View Options window, which becomes a
    // tool window of this one and gets its normal positions, then the `saved` ones.
    TDistrForm(TDMForm& dm, TTasksForm& page, TTuneForm& tune, const SavedViewOptions& saved,
               Prompter& prompter, QWidget* parent = nullptr);
    ~TDistrForm() override;

    // Shows the window modally; with `blockingModal` cleared (tests) it returns at once and the
    // window stays open.
    int showModal();
    bool blockingModal = true;
    // Asked by the Print commands before anything else (the report printer's check): true when
    // the reports are unavailable, after saying so; the command then prints nothing. Unset:
    // never refused.
    std::function<bool()> reportsRefused;

    // ---- view state ----
    LayoutViewState& view() { return m_view; }
    bool ChartMode = false;
    // The interval the sequence timer is reset to; 1000 ms at every showing.
    qint32 SequenceInterval = 1000;
    // The sequence timer: switched on by ">>", its interval in ms.
    QTimer* Timer2;
    bool sequenceRunning() const { return m_timerOn; }
    int sequenceStepInterval() const { return m_timerInterval; }
    // The image's hint as it stands (also when hints are not shown).
    QString imageHint() const { return m_imageHint; }
    // The drawing's bitmap (1600 x 1200); the image shows its top-left part.
    const QImage& bitmap() const { return m_bitmap; }

    // ---- operations ----
    void StopSequence();
    void SetButtonCaptions();
    void EnableSequenceControls(bool on);
    void EnableViewControls(bool on);
    void ApplyViewMode();
    // Draws the layout, or the chart in chart mode, on the screen image.
    void DrawLayout();
    void DrawChart();
    // Draws the layout for the printed image report onto a painter of width x height pixels,
    // with the report's fonts and the colours the print set (call while printRequested runs).
    void drawReportImage(QPainter& painter, int width, int height);

    // ---- commands ----
    void FormShow();
    void SingleButtonClick();
    void PrevButtonClick();
    void NextButtonClick();
    void OneButtonClick();
    void MinButtonClick();
    void PlsButtonClick();
    void SumButtonClick();
    void FillButtonClick();
    void Timer2Timer();
    void TuneButtonClick();
    void DiagButtonClick();
    // A press on the image at image pixel (x, y).
    void Image1MouseDown(Qt::MouseButton button, int x, int y);
    void PrintButtonClick();
    void CloseButtonClick() { close(); }
    // Texts in the current language.
    void retranslate();

    // ---- controls ----
    QFrame* Panel1;
    DistrImage* Image1;
    QLabel *Label3, *Label1;
    QPushButton *OneButton, *MinButton, *PlsButton, *FillButton, *SumButton, *PrevButton, *SingleButton,
        *NextButton, *TuneButton, *PrintButton, *DiagButton, *CloseButton;
    LoadingSheetButton* SheetButton;

signals:
    // Print the image report: the receiver shows the printer set-up and, unless cancelled, draws
    // the report's image with drawReportImage and prints it. Emitted after the question, with the
    // print colours set; the screen colours come back after it returns.
    void printRequested();
    // Print the loading sheet of the container numbered `container` (all when 0).
    void sheetRequested(int container);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Closing in any way: View Options closed, sequence stopped, result OK.
    void done(int result) override;

private:
    void createControls();
    void layoutControls();
    void place();
    void setImageHint(const QString& hint);
    void updateImageHints();
    // Switches the sequence timer on with that interval; at 0 ms it fires no more steps.
    void runSequenceTimer(int interval);
    // Caption and Chart/Image button of the mode.
    void modeTexts();
    // The lowest container with boxes (0 when none).
    int firstUsedContainer() const;
    // Boxes loaded into the container shown.
    int currentLoad() const;
    // Navigation to another container: captions, controls and drawing follow.
    void showContainer(int container);
    void toggleTune();
    void closeTune();
    QString pickedBoxHint(int x, int y) const;

    TDMForm& m_dm;
    TTasksForm& m_page;
    TTuneForm& m_tune;
    QPointer<TTuneForm> m_tunePtr;
    Prompter& m_prompter;
    QImage m_bitmap;
    LayoutViewState m_view;
    QString m_imageHint;
    bool m_imageHintsOn = true;
    bool m_timerOn = false;
    int m_timerInterval = 1000;
};

} // namespace palvane
