#pragma once

#include <QIcon>

namespace fr {

/// The program's icon, compiled in as the resource LOCATE_ICO: a 32 x 32, 16-colour desktop
/// computer with a red magnifying glass that holds a question mark.
QIcon programIcon();

} // namespace fr
