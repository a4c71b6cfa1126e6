#pragma once

// The program's icon: a white power sign on a blue tile, painted in code so the window, the tray, the
// popup and the installed PNG files all show the one drawing at every size.

#include <QIcon>
#include <QImage>

namespace halvo {

// The icon as an image of size x size pixels with a transparent background.
QImage renderAppIcon(int size);

// The icon at the sizes trays, title bars and launchers ask for.
QIcon appIcon();

} // namespace halvo
