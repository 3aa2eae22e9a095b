// The reader's notices in the command line's words: the record notices' texts are the
// program's own, with the place of the line in front.
#include "cli/notices.h"

#include "base/codepage.h"
#include "base/text_sink.h"
#include "cli/output.h"
#include "cli/translation.h"
#include "config/notice_text.h"
#include "config/reader.h"

namespace veloranth::cli {
namespace {

std::string Line(const NoticeDetails& d) {
    return d.line > 0 ? Formatted(_("line %d"), d.line) : "";
}

}  // namespace

void ConfigNotices::Notice(ReadNotice notice, const NoticeDetails& details) {
    notices_.emplace_back(notice, details);
}

void ConfigNotices::Warn(const std::string& path) const {
    for (const auto& [notice, d] : notices_) {
        if (const auto text = RecordNoticeText(notice, d)) {
            cli::Warn(path + (d.line > 0 ? " " : "") + Line(d) + ": " + Cp1252ToUtf8(text->text));
        }
    }
}

std::string ConfigNotices::FileLines() const {
    std::string lines;
    for (const auto& [notice, d] : notices_) {
        if (!RecordNoticeText(notice, d)) {
            StringSink line;
            PrintNotice(notice, d, line);
            std::string text = Cp1252ToUtf8(line.str());
            text.erase(text.find_last_not_of('\n') + 1);
            lines += (lines.empty() ? "" : "\n") + text + (d.line > 0 ? " (" + Line(d) + ")" : "");
        }
    }
    return lines;
}

std::string ConfigNotices::LinesNotUsed() const {
    std::string lines;
    for (const auto& [notice, d] : notices_) {
        const auto text = RecordNoticeText(notice, d);
        if (text && LineNotUsed(notice)) {
            lines += "\n  " + Line(d) + (d.line > 0 ? ": " : "") + Cp1252ToUtf8(text->text);
        }
    }
    return lines;
}

}  // namespace veloranth::cli
