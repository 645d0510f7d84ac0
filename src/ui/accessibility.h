// SPDX-License-Identifier: MIT
// What assistive technology sees of the window: the window as a dialog named with its
// caption, each page as a pane named with its category and described with its key
// legend, the flags as radio buttons, the category tabs as page tabs whose press does
// what a left-button press does, and the banner as a link to the address it opens.
#pragma once

namespace tevrimo {

// Installs these interfaces (once).
void InstallAccessibility();

}  // namespace tevrimo
