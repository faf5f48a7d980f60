#pragma once

namespace runtime {
class Form;
}

enum class CentreOrder { LeftFirst, TopFirst };

// Moves a loaded window to the middle of the screen: each edge goes to
// screen / 2 - window / 2, neither rounded nor clamped, so a window larger
// than the screen overhangs both sides equally.
void CenterOnScreen(runtime::Form &form, CentreOrder order);
