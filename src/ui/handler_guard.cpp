#include "ui/handler_guard.h"

#include "desktop/desktop.h"
#include "platform/errors.h"

#include <exception>

namespace rw {

void runHandlerGuarded(Desktop& desktop, const std::function<void()>& action) {
    try {
        action();
    } catch (const RibwrightError& error) {
        desktop.showMessage(error.text());
    } catch (const std::exception& error) {
        // Not one of the program's own errors (out of memory, a library fault): still shown
        // rather than let loose in the event loop.
        desktop.showMessage(QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace rw
