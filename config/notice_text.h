// The words of the parser's notices about a record it does not use as written, shared by
// the main program's console lines and the plug-in's boxes.
#pragma once

#include <optional>
#include <string>

#include "config/read_notice.h"

namespace veloranth {

// The notice's 8-bit text without the console's "Read config file Error : " and without a
// final period ("Town 3 (Lyon) is beyond NumberOfTowns, not used"); `period`: the console
// line ends with one. Nothing for the notices each front end words its own way (the files,
// the count and selection checks, a format error, memory).
struct NoticeText {
    std::string text;
    bool period = true;
};
std::optional<NoticeText> RecordNoticeText(ReadNotice notice, const NoticeDetails& details);

// Whether the notice says that a line, or part of it, was not used: a file rewritten after
// such a reading would lose what the line says.
bool LineNotUsed(ReadNotice notice);

}  // namespace veloranth
