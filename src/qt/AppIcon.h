// The program's icon, drawn in code.
#pragma once

#include <QIcon>

#include <QPixmap>

namespace felux {
QIcon AppIcon();
// One size of it, size x size pixels; the installed theme icons are drawn by this too.
QPixmap DrawAppIcon(int size);
}
