#pragma once
// The translation context of the command-line front end's texts (English only).
#include <QCoreApplication>

namespace palvane {

class CliTexts {
    Q_DECLARE_TR_FUNCTIONS(palvane::CliTexts)
};

} // namespace palvane
