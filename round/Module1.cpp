#include "round/Module1.h"

namespace Module1 {

RoundState &Round(int level)
{
    static runtime::FixedArray<RoundState, 1, kLevels> rounds;
    return rounds(level);
}

} // namespace Module1
