#pragma once

namespace runtime {

// The whole screen's size, in twips.
float ScreenWidth();
float ScreenHeight();

} // namespace runtime
