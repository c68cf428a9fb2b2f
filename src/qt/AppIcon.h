// The program's icon, drawn in code.
#pragma once

#include <QIcon>

namespace felux {
QIcon AppIcon();
}
