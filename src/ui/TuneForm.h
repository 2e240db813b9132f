#pragma once
// The View Options window `TTuneForm`: a small tool window that stays on top and tunes the
// layout drawing (grid, size, shifts, gaps, lines, colour set, brightness, part and background
// greys, kind names instead of marks, turn signs). Its control positions are the only source of
// the drawing's `ViewSettings`: every change updates them and asks for a redraw.
#include "IniFile.h"
#include "ViewSettings.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace palvane {

class TTasksForm;

// A navy label that resets its track when clicked.
class resetLabel : public QLabel {
    Q_OBJECT
public:
    explicit resetLabel(QWidget* parent = nullptr);
signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

class TTuneForm : public QDialog {
    Q_OBJECT
public:
    // `ws` receives the kind colours of the palette; `page` (may be null) holds the flag that
    // makes the window dock beside the Disposition window at its next showing.
    explicit TTuneForm(TTasksForm* page, QWidget* parent = nullptr);

    // The settings the drawing uses, as the controls set them.
    ViewSettings& settings() { return m_settings; }
    const ViewSettings& settings() const { return m_settings; }

    // ---- resets ----
    void NormGrid();
    void NormSizes();
    void NormShift();
    void NormSpaces();
    void NormLines();
    void NormColors();
    // All controls to their normal positions when `all`; size and shifts in every case.
    void NormalTracks(bool all);

    // ---- settings from the controls ----
    // Shifts, magnification, gap, grid and the two label switches (the Disposition window's
    // showing).
    void ScreenTracks();
    // Line width and colours for the screen, then the palette.
    void ScreenColors();
    // Line width and colours for printing (white ground, light parts, one pixel more), then the
    // palette.
    void PrintColors();

    // ---- the settings file ----
    // Puts saved values on the controls (clamped), unless the file could not be read.
    void restoreSaved(const SavedViewOptions& saved);
    // The control positions the settings file keeps.
    SavedViewOptions savedValues() const;

    // The window the View Options dock beside (the Disposition window).
    void setDockWindow(QWidget* window) { m_dock = window; }
    // Set when the Disposition window is resized; the next showing docks the window again.
    bool TuneNeedsPlacement = true;
    // Docks beside the dock window when asked for (the showing's placement).
    void FormShow();
    void CloseButClick() { close(); }
    // Texts in the current language.
    void retranslate();

    // ---- controls ----
    QSlider *GridTrack, *MagnTrack, *ShiftXTrack, *ShiftYTrack, *SpaceTrack, *LineTrack, *PalettTrack,
        *BrightTrack, *PartGrTrack, *BackGrTrack;
    resetLabel *GridLabel, *Label4, *Label1, *Label5, *Label9, *Label10, *Label11, *Label12, *Label2,
        *Label13;
    QCheckBox *MarkKindCheck, *OrientCheck;
    QPushButton *NormBut, *CloseBut;

signals:
    // The layout should be drawn again with the changed settings.
    void redrawRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QSlider* makeTrack(int row, int minimum, int maximum, int lineStep, int pageStep, int tick, int normal);
    resetLabel* makeLabel(int row);
    // Places the labels, check boxes and buttons and sizes the window so every text is whole.
    void fitTexts();
    void connectControls();
    void colorChanged();
    void buildPalette();

    TTasksForm* m_page;
    QWidget* m_dock = nullptr;
    ViewSettings m_settings;
};

} // namespace palvane
