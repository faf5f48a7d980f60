#include "runtime/AppData.h"

namespace runtime {

QString AppTitle()
{
    return QStringLiteral(TERVALO_TITLE);
}

Integer AppMajor()
{
    return TERVALO_VERSION_MAJOR;
}

Integer AppMinor()
{
    return TERVALO_VERSION_MINOR;
}

Integer AppRevision()
{
    return TERVALO_VERSION_PATCH;
}

} // namespace runtime
