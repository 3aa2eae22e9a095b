// The place and method of a run, chosen in the state read from data.cfg. Nothing is
// written back.
#pragma once

#include <string>

#include "cli/options.h"
#include "reports/main_state.h"

namespace veloranth::cli {

// A town of the table, or a place made from --lat/--lon, with --zone, --convention, the
// method options and the Hijri options applied on top; then selected. False with `error`
// set for a town or convention that does not exist.
bool ChoosePlace(MainState& state, const Options& options, std::string& error);

// Whether the method options define the method rather than adjust a convention: a place
// given by its coordinates, with no --convention.
bool DefinesOwnMethod(const Options& options);

}  // namespace veloranth::cli
