#pragma once

namespace rw::cli {

// Keeps the toolkit's debug, info and warning messages off stderr; its critical and fatal ones
// still go there. Everything the exporter itself says goes through its own streams, so stderr
// holds only what the user can act on. A toolkit warning never is (a font without a glyph, a
// missing image plugin), and some come once per character of an input: a long title drawn on
// the sheet gave one font warning for each.
void keepToolkitWarningsOffStderr();

}  // namespace rw::cli
