#include "icon.h"

#include <QPixmap>

namespace orbalune {

namespace {
#include "orbalune_icon.xpm"
}  // namespace

QIcon OrbaluneIcon() { return QIcon(QPixmap(orbalune_icon_xpm)); }

}  // namespace orbalune
