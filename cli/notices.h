// What the reader says of a data.cfg, as the command line tells it: each notice about a
// record on standard error with the file and line, whatever --verbose says; the checks
// that make a file unusable in the error; and the lines an edit would lose.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "config/read_notice.h"

namespace veloranth::cli {

class ConfigNotices : public ReadReporter {
  public:
    void Notice(ReadNotice notice, const NoticeDetails& details) override;

    // Each notice about a record as a warning on standard error: "PATH line N: TEXT".
    void Warn(const std::string& path) const;
    // The console lines of the notices that are not about one record (UTF-8).
    std::string FileLines() const;
    // "  line N: TEXT" for each line of which something was not used; empty when none.
    std::string LinesNotUsed() const;

  private:
    std::vector<std::pair<ReadNotice, NoticeDetails>> notices_;
};

}  // namespace veloranth::cli
