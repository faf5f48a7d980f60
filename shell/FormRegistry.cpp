#include "shell/FormRegistry.h"

#include "levels/Level1.h"
#include "levels/Level2.h"
#include "levels/Level3.h"
#include "levels/Level4.h"
#include "levels/Level5.h"
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

frmLevel &FormRegistry::frmgk2()
{
    return instance<frmLevel, Level3>();
}

frmLevel &FormRegistry::frmgk3()
{
    return instance<frmLevel, Level4>();
}

frmLevel &FormRegistry::frmgk4()
{
    return instance<frmLevel, Level5>();
}
