#pragma once
// Drawing settings of the layout and the colours derived from them. Colours are 24-bit values
// 0x00BBGGRR: red in the low byte, blue in the high byte.

#include <array>
#include <cstdint>

#include <QColor>

namespace palvane {

// Outline colour of every container floor.
inline constexpr std::int32_t ContOutlineColor = 0x808080;

// How the layout is drawn; the defaults are the View Options controls' normal positions.
struct ViewSettings {
    std::int32_t LineWidth = 1;              // outline pen width
    std::int32_t PaletteShift = 0;           // rotation of the kind-colour table, 0..8
    std::int32_t Dimming = 0;                // darkening of the kind colours
    std::int32_t BackgroundColor = 0x1F1F1F; // background and container floors
    std::int32_t PartColor = 0x3F3F3F;       // fill of every box; 0 = each box in its kind colour
    float VisualGap = 1;                     // visual separation between boxes
    float ShiftX = 0, ShiftY = 0;            // picture shift in pixels
    float Magnification = 1;                 // factor on the computed scale
    int GridLevel = 0;                       // measuring grid -4..4, 0 = none
    bool ShowKinds = false;                  // label boxes with kind names instead of marks
    bool ShowTurnSigns = false;              // orientation signs on nearly square boxes

    // Derived by BuildPalette.
    std::array<std::int32_t, 25> KindColors{}; // kind k takes entry (k - 1) mod 25
    std::int32_t CaptionColor = 0xEEEEEE;
    std::int32_t LightPartInk = 0xEEEEEE;
    std::int32_t GridCoarseColor = 0x808080;
    std::int32_t GridFineColor = 0x606060;

    // The colour of box kind k (from 1).
    std::int32_t kindColor(int k) const { return k >= 1 ? KindColors[std::size_t((k - 1) % 25)] : 0; }
};

// The grey of a colour track position: p x 0x101010 - 0x010101, never below 0.
std::int32_t BackColor(int position);

// Fills the kind colours and the other derived colours of the settings. lineTrackPosition is
// the line control's position; below LineWidth (printing) caption and light label ink turn black.
void BuildPalette(ViewSettings& settings, int lineTrackPosition);

// The same with the line control where LineWidth puts it (the screen).
inline void BuildPalette(ViewSettings& settings) {
    BuildPalette(settings, settings.LineWidth);
}

// The brightness track's maximum: full brightness, no dimming.
inline constexpr int MaxBrightPosition = 16;

// Sets the colours of the drawing on paper from the View Options track positions of line width,
// palette, brightness and part grey: lines one pixel wider, a white background, grey box fills
// that would print dark turned white (and the kind colours dimmed a little under them), and the
// derived colours with black captions.
void SetPrintColors(ViewSettings& settings, int line, int palette, int bright, int partGrey);

// The Qt colour of a 0x00BBGGRR value.
inline QColor colorOf(std::int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace palvane
