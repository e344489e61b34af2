#pragma once

#include "cli/cli_options.h"
#include "cli/cli_output.h"

namespace rw::cli {

// Exit statuses of the batch exporter.
enum ExitStatus { kWritten = 0, kUsage = 1, kInputRefused = 2, kFileError = 3 };

// Reads the airfoil, reads the settings, draws the sheet and writes the files, as the window does
// for the same inputs. Everything that can be checked is checked before the first file is
// written, so a refusal writes nothing. Every path written goes to `out`, one a line; messages go
// to `err`.
int runCli(const CliOptions& options, CliStream& out, CliStream& err);

}  // namespace rw::cli
