#pragma once

#include <QIcon>

namespace tarvelle::resources {

// The maker's emblem at 32 x 32 and 16 x 16, for the windows' icon.
QIcon applicationIcon();

}  // namespace tarvelle::resources
