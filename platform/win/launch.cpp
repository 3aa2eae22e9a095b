// Starting the browser with CreateProcessW and opening documents with ShellExecuteExW.
#include "platform/launch.h"

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/win/wide.h"

namespace veloranth::platform {

void StartBrowser(const std::u16string& page) {
    // The path is the whole command line, unquoted; CreateProcessW may write into it.
    std::vector<wchar_t> commandLine(page.begin(), page.end());
    commandLine.push_back(L'\0');
    PROCESS_INFORMATION process{};
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (CreateProcessW(L"iexplore.exe", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

void OpenDocument(const std::u16string& pathOrAddress) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // Do not wait for a handler that may hang on an unreachable address.
    info.fMask = SEE_MASK_ASYNCOK | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = L"open";
    info.lpFile = WideChars(pathOrAddress);
    info.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&info);
}

bool PathFits(const std::u16string& path) {
    return path.size() < MAX_PATH;
}

}  // namespace veloranth::platform
