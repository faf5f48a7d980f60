#include "shell/FormRegistry.h"

#include "levels/Level1.h"
#include "levels/Level2.h"
#include "round/frmLevel.h"

#include "shell/frmAbout.h"
#include "shell/frmtervalo.h"

// Never destroyed: an instance outlives every window it shows.
template <class F, auto &... values>
static F &instance()
{
    static F *form = new F(values...);
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

frmLevel &FormRegistry::frmgk()
{
    return instance<frmLevel, Level1>();
}

frmLevel &FormRegistry::frmgk1()
{
    return instance<frmLevel, Level2>();
}
