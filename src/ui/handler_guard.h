#pragma once

#include <functional>

namespace rw {

class Desktop;

// Runs one user action. An error the action raises ends it and its text is shown in the OK-only
// message box, the way a toolkit's default error handler would; nothing reaches the event loop.
void runHandlerGuarded(Desktop& desktop, const std::function<void()>& action);

}  // namespace rw
