#include "ViewSettings.h"

#include <array>

namespace palvane {

std::int32_t BackColor(int position) {
    const std::int32_t c = position * 0x101010 - 0x010101;
    return c < 0 ? 0 : c;
}

void SetPrintColors(ViewSettings& settings, int line, int palette, int bright, int partGrey) {
    settings.LineWidth = line + 1;
    settings.PaletteShift = palette;
    std::int32_t part = BackColor(partGrey);
    if (part != 0 && part < 0xB0B0B0)
        part = 0xFFFFFF;
    settings.PartColor = part;
    settings.Dimming = (MaxBrightPosition - bright) * 2 + (part != 0 ? 6 : 0);
    settings.BackgroundColor = 0xFFFFFF;
    BuildPalette(settings, line);
}

void BuildPalette(ViewSettings& settings, int lineTrackPosition) {
    const std::int32_t v = 63 - settings.Dimming;
    const std::int32_t R = v, G = v * 0x100, B = v * 0x10000;
    const std::array<std::int32_t, 25> table = {4 * R + 4 * G + 4 * B,
                                                4 * R + 4 * B,
                                                4 * R + 2 * G + 2 * B,
                                                4 * G + 4 * B,
                                                4 * R,
                                                4 * G,
                                                4 * B,
                                                3 * R + 3 * G + 3 * B,
                                                3 * R + 3 * B,
                                                3 * R + 3 * G,
                                                3 * G + 3 * B,
                                                3 * R,
                                                3 * G,
                                                3 * B,
                                                4 * R + 3 * G,
                                                4 * R + 3 * B,
                                                4 * G + 3 * B,
                                                4 * R + 3 * G + 2 * B,
                                                3 * G + 4 * B,
                                                3 * R + 4 * G + 2 * B,
                                                4 * R + 3 * G + 3 * B,
                                                3 * R + 3 * G + 4 * B,
                                                4 * R + 4 * G,
                                                3 * R + 4 * B,
                                                4 * R + 2 * G + 3 * B};
    for (std::size_t k = 0; k < table.size(); ++k)
        settings.KindColors[k] = table[(k + 3 * std::size_t(settings.PaletteShift)) % 25];

    settings.CaptionColor = settings.BackgroundColor <= 0x909090 ? 0xEEEEEE : 0x101010;
    if (settings.PartColor == 0) {
        settings.LightPartInk = 0;
        settings.GridCoarseColor = 0x808080;
        settings.GridFineColor = 0xA0A0A0;
    } else if (settings.PartColor <= 0x909090) {
        settings.LightPartInk = 0xEEEEEE;
        settings.GridCoarseColor = 0x808080;
        settings.GridFineColor = 0x606060;
    } else {
        settings.LightPartInk = 0x101010;
        settings.GridCoarseColor = 0x909090;
        settings.GridFineColor = 0xB0B0B0;
    }
    if (lineTrackPosition < settings.LineWidth) {
        settings.CaptionColor = 0;
        settings.LightPartInk = 0;
    }
}

} // namespace palvane
