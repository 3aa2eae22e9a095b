// Measuring labels as the static control draws them: left, centred or right-aligned text
// breaks at words (DT_WORDBREAK), and what does not fit the client rectangle is cut.
#include "testsupport/win/labels.h"

#include "testsupport/win/driver.h"

namespace veloranth::wintest {

namespace {

INT_PTR CALLBACK Passive(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

bool IsWrappedText(HWND control) {
    wchar_t className[16] = L"";
    GetClassNameW(control, className, 16);
    LONG type = GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiW(className, L"Static") == 0 && IsWindowVisible(control) &&
           (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT);
}

}  // namespace

std::vector<std::wstring> CutLabels(HWND dialog, const std::filesystem::path& module,
                                    int templateId) {
    HMODULE image = LoadLibraryExW(module.wstring().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(templateId), RT_DIALOG);
    auto* dialogTemplate =
        static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(image, found)));
    HWND reference = CreateDialogIndirectParamW(image, dialogTemplate, nullptr, Passive, 0);
    std::vector<std::wstring> cut;
    if (reference == nullptr) {
        cut.push_back(L"no template " + std::to_wstring(templateId));
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(reference, WM_GETFONT, 0, 0)));
    for (HWND c = GetWindow(dialog, GW_CHILD); c && reference; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWrappedText(c)) {
            continue;
        }
        std::wstring text = WindowText(c);
        RECT has, needs;
        GetClientRect(c, &has);
        needs = has;
        DrawTextW(dc, text.c_str(), -1, &needs, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        if (needs.right > has.right || needs.bottom > has.bottom) {
            RECT line = has;
            DrawTextW(dc, text.c_str(), -1, &line, DT_CALCRECT | DT_SINGLELINE);
            cut.push_back(L"\"" + text + L"\" needs " + std::to_wstring(needs.right) + L"x" +
                          std::to_wstring(needs.bottom) + L" (one line " +
                          std::to_wstring(line.right) + L"), has " + std::to_wstring(has.right) +
                          L"x" + std::to_wstring(has.bottom));
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    if (reference != nullptr) {
        DestroyWindow(reference);
    }
    FreeLibrary(image);
    return cut;
}

}  // namespace veloranth::wintest
