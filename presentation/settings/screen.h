#pragma once
// The primary screen's size in pixels, as the window size rule takes it.
#include "presentation/settings/window_size.h"

namespace expo::presentation {

ScreenSize primaryScreenSize();

}  // namespace expo::presentation
