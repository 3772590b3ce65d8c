#include "ui/quorvel_icon.h"

#include <QPixmap>

#include "ui/quorvel.xpm"

namespace quorvel {

QIcon QuorvelIcon() { return QIcon(QPixmap(quorvel_xpm)); }

}  // namespace quorvel
