// Opening documents with the shell's document launcher, ShellExecuteExW.
#include "platform/launch.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/win/wide.h"

namespace veloranth::platform {

namespace {

// How long a handler that has not answered yet is given to give up. Wine's bridge to
// the desktop ends at once, with a failure code when it found no program for the page;
// a browser still running after that has the page.
constexpr DWORD kHandlerVerdictMs = 15000;

bool HandlerGaveUp(HANDLE process) {
    DWORD code = 0;
    return WaitForSingleObject(process, kHandlerVerdictMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process, &code) && code != 0;
}

}  // namespace

bool OpenDocument(const std::u16string& pathOrAddress) {
    // The launcher may hand the document to shell extensions, which need COM on the
    // calling thread, in the apartment the launcher's documentation asks for.
    HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // Our own message says when nothing opened the page; the thread waits for the answer.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = WideChars(pathOrAddress);
    info.nShow = SW_SHOWNORMAL;
    bool opened = ShellExecuteExW(&info) != FALSE;
    if (opened && info.hProcess != nullptr) {
        opened = !HandlerGaveUp(info.hProcess);
        CloseHandle(info.hProcess);
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return opened;
}

bool PathFits(const std::u16string& path) {
    return path.size() < MAX_PATH;
}

}  // namespace veloranth::platform
