#pragma once

#include <QPalette>

namespace morva::gui {

// A dark palette for the Fusion style: for desktops whose dark theme does
// not reach Qt programs (MORVA_PALETTE=dark) and for checking the
// console's own colours against a dark background.
QPalette darkPalette();

} // namespace morva::gui
