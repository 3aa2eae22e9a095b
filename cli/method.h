// The method of a run: the conventions data.cfg defines, a convention adjusted or a method
// defined on the command line, and how JSON and --list-conventions show a method.
#pragma once

#include <string>

#include "cli/options.h"
#include "config/model.h"

namespace veloranth::cli {

// The slot a method defined on the command line takes for this run (nothing is written).
inline constexpr int kCommandLineConvention = kConventionCount - 1;

// Whether data.cfg defines `convention`; else false with a message that names those it does.
bool CheckConvention(const AppConfig& cfg, int convention, std::string& error);

// The settings given replace the convention's.
void ApplyMethod(const MethodOptions& method, ConventionRules& rules);

// A method from the settings given alone, from sunrise at 0.8333 degrees, Shafi'i Asr, no
// high-latitude rule and no offsets; false when Fajr or Isha is not given.
bool DefineMethod(const MethodOptions& method, ConventionRules& rules, std::string& error);

// A method the options made that would break the day's order on every day, or a setting
// that would do nothing: an Isha angle below the Maghrib angle, Ramadan minutes for an Isha
// given by its angle. False with `error` naming the option.
bool CheckMethodGiven(const MethodOptions& method, const ConventionRules& rules,
                      std::string& error);

// `"method": {...}`'s object: the settings in use, under the options' names (underscores);
// those of line 11 where the convention uses it.
std::string MethodJson(const Convention& convention);

// --list-conventions (8-bit text): each defined convention's number and name, then its
// settings in the words of the options ("fajr-angle=18 isha-angle=17 asr=shafii ...").
std::string ConventionListText(const AppConfig& cfg);

}  // namespace veloranth::cli
