#pragma once

#include "runtime/Checked.h"

#include <QString>

namespace runtime {

// The application's title and version, fixed when the program is built.
QString AppTitle();
Integer AppMajor();
Integer AppMinor();
Integer AppRevision();

} // namespace runtime
