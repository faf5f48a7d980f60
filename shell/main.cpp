#include "runtime/Program.h"
#include "shell/FormRegistry.h"
#include "shell/frmtervalo.h"

int main(int argc, char **argv)
{
    return runtime::RunProgram(argc, argv, [] () -> runtime::Form & { return FormRegistry::frmtervalo(); });
}
