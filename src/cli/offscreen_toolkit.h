#pragma once

#include <QGuiApplication>

#include <memory>

namespace rw::cli {

// Starts the toolkit for drawing off screen, with none of the command line's arguments (its own
// options, -platform and the like, would override that). Without XDG_RUNTIME_DIR the toolkit
// would warn on stderr and make a runtime folder under /tmp while it starts; it is lent a private
// folder for the start instead, which is removed again at once.
std::unique_ptr<QGuiApplication> startOffscreenToolkit(char* programName);

}  // namespace rw::cli
