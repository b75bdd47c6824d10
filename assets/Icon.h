#pragma once

#include <QImage>
#include <QList>

// The game's icon for the desktop: ズク waving from a small green island in
// the blue sea, on a transparent background. Up to 32 pixels it shows just his
// face, drawn from a few bold shapes.
namespace art {

// The square sizes desktops look for in the hicolor icon theme.
const QList<int> &iconSizes();

// The icon, size x size pixels, 32-bit with alpha.
QImage renderIcon(int size);

} // namespace art
