// Moving a dialog's existing controls to the positions of another template of the same
// controls (the About dialog's portrait and landscape layouts), content reloaded.
#pragma once

#include <windows.h>

namespace veloranth::app {

// TRUE when every control of the template was found and moved. Controls are matched in
// template order, so controls without an id (0xFFFF) each get their own place; found by id
// alone, two of them would be ambiguous and give FALSE. A missing template moves nothing and gives
// FALSE.
BOOL ApplyDialogLayout(HINSTANCE instance, HWND dialog, int templateId);

// A template field: a UTF-16 string, or an ordinal (0xFFFF followed by its value).
struct TemplateField {
    bool isOrdinal;
    WORD ordinal;
    const wchar_t* text;
};

// Re-applies an item's text, icon, bitmap or selection to its existing control.
void ReloadControlContent(HINSTANCE instance, HWND control, const DLGITEMTEMPLATE& item,
                          const TemplateField& className, const TemplateField& title);

}  // namespace veloranth::app
