#include "shell/FormRegistry.h"

#include "shell/frmAbout.h"
#include "shell/frmtervalo.h"

// Never destroyed: an instance outlives every window it shows.
template <class F>
static F &instance()
{
    static F *form = new F;
    return *form;
}

::frmtervalo &FormRegistry::frmtervalo()
{
    return instance<::frmtervalo>();
}

::frmAbout &FormRegistry::frmAbout()
{
    return instance<::frmAbout>();
}
