#pragma once
// The program's own icon (resources/resam.svg, also installed for the desktop's menu),
// for the title bars and the task bar.
#include <QIcon>

// Rendered from the SVG at the usual icon sizes, so no image-format plugin is needed.
QIcon ApplicationIcon();
