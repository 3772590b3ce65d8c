#pragma once

#include <QIcon>

namespace quorvel {

// The window's and the application's icon: a plug-in circuit card.
QIcon QuorvelIcon();

}  // namespace quorvel
