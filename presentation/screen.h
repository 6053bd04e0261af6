#pragma once
// The primary screen's size in pixels, as the window size rule takes it.
#include "presentation/window_size.h"

namespace expo::presentation {

ScreenSize primaryScreenSize();

}  // namespace expo::presentation
