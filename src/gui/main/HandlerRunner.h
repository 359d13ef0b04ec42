#pragma once
// The pages of the main window hand their handlers to the window, which runs them through the form's error
// wrapper and then shows the whole form again: a handler may change far more than its own page.
#include <functional>

namespace renoka {

using HandlerRunner = std::function<void(const std::function<void()>& handler)>;

} // namespace renoka
