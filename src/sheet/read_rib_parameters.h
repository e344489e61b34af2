#pragma once

#include "geometry/rib_parameters.h"
#include "sheet/rib_settings.h"

namespace rw {

// Reads the settings into the parameters and sheet settings in place, in the order that decides
// which values are new after a failure. Returns whether drawing goes on or the fixed message to
// show. The skin thickness and (with taper) the rib count raise ConversionError instead; a number
// that converts but overflows single precision raises the invalid-operation fault.
// The beep and enabling the export buttons belong to the caller.
RibReadResult readRibParameters(const RibSettings& panel, RibParameters& params,
                                SheetSettings& sheet);

}  // namespace rw
