#pragma once

#include <QIcon>

namespace Platform {

// The program's icon, drawn at each size a desktop asks for rather than
// scaled from one, so that it stays sharp on screens that scale.
QIcon applicationIcon();

} // namespace Platform
