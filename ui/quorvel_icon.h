#pragma once

#include <QIcon>
#include <QImage>

namespace quorvel {

// The sizes, in pixels, at which desktops look for an application's icon.
inline constexpr int kQuorvelIconSizes[] = {16, 24, 32, 48, 64, 128, 256};

// The drawing of ui/quorvel.xpm at size x size pixels, for the window and
// for the icon files alike. Needs no application object.
QImage QuorvelIconImage(int size);

// The window's and the application's icon: a plug-in circuit card, at
// every size above, so that no desktop has to scale it.
QIcon QuorvelIcon();

}  // namespace quorvel
