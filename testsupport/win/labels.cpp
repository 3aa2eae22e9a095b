// Measuring labels as the static control draws them.
#include "testsupport/win/labels.h"

#include "testsupport/win/driver.h"

namespace veloranth::wintest {

std::vector<std::wstring> CutLabels(HWND dialog, const std::filesystem::path& module,
                                    int templateId) {
    HMODULE image = LoadLibraryExW(module.wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(LockResource(
        LoadResource(image, FindResourceW(image, MAKEINTRESOURCEW(templateId), RT_DIALOG))));
    HWND reference = CreateDialogIndirectParamW(
        image, dialogTemplate, nullptr, [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return 0; }, 0);
    std::vector<std::wstring> cut;
    HDC dc = GetDC(nullptr);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(reference, WM_GETFONT, 0, 0)));
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        wchar_t kind[16] = L"";
        GetClassNameW(c, kind, 16);
        LONG type = GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK;  // text: left, centre, right
        if (lstrcmpiW(kind, L"Static") != 0 || type > SS_RIGHT || !IsWindowVisible(c)) {
            continue;
        }
        std::wstring text = WindowText(c);
        RECT has, needs;
        GetClientRect(c, &has);
        needs = has;
        DrawTextW(dc, text.c_str(), -1, &needs, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        if (reference == nullptr || needs.right > has.right || needs.bottom > has.bottom) {
            cut.push_back(text + L": needs " + std::to_wstring(needs.right) + L"x" +
                          std::to_wstring(needs.bottom) + L", has " + std::to_wstring(has.right) +
                          L"x" + std::to_wstring(has.bottom));
        }
    }
    ReleaseDC(nullptr, dc);
    DestroyWindow(reference);
    FreeLibrary(image);
    return cut;
}

}  // namespace veloranth::wintest
