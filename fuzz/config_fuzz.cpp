// libFuzzer target: arbitrary bytes as data.cfg. Both readers must survive them without
// a sanitizer report, and read them the same way (the wide one after Windows-1252), the
// towns' tz zones included.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/codepage.h"
#include "config/parser.h"

namespace {

class Notices : public veloranth::ReadReporter {
  public:
    void Notice(veloranth::ReadNotice notice, const veloranth::NoticeDetails&) override {
        seen.push_back(notice);
    }
    std::vector<veloranth::ReadNotice> seen;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace veloranth;
    std::string bytes(reinterpret_cast<const char*>(data), size);

    AppConfig narrow;
    std::string narrowEcho;
    Notices narrowNotices;
    ReadResult n = ParseConfig<char>(bytes, narrow, narrowEcho, HeapTownAllocator(), narrowNotices);

    WideAppConfig wide;
    std::u16string wideEcho;
    Notices wideNotices;
    ReadResult w = ParseConfig<char16_t>(Cp1252ToUtf16(bytes), wide, wideEcho, HeapTownAllocator(),
                                         wideNotices);

    if (n != w || narrowNotices.seen != wideNotices.seen || Utf16ToCp1252(wideEcho) != narrowEcho) {
        std::abort();  // the two readers disagree
    }
    if (n == kReadOk && !narrow.HasSelectedTown()) {
        std::abort();
    }
    for (int i = 0; narrow.TownTable && wide.TownTable && i < narrow.NumberOfTowns; ++i) {
        const Town* a = narrow.TownTable[i];
        const WideTown* b = wide.TownTable[i];
        if ((a == nullptr) != (b == nullptr) || (a != nullptr && a->zone != b->zone)) {
            std::abort();  // a town the readers kept differently, or in different zones
        }
    }
    ReleaseTownTable(narrow, HeapTownAllocator());
    ReleaseTownTable(wide, HeapTownAllocator());
    return 0;
}
