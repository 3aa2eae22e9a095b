// Whether a dialog's labels show their whole text: each static text of another process's
// dialog measured against its own client rectangle.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

namespace veloranth::wintest {

// The static texts of `dialog` that their control cuts, with the size they need and have,
// measured as the control draws them (word breaks) in the font the dialog manager gives
// template `templateId` of `module`: a dialog made here from it, since a font handle does
// not cross processes.
std::vector<std::wstring> CutLabels(HWND dialog, const std::filesystem::path& module,
                                    int templateId);

}  // namespace veloranth::wintest
