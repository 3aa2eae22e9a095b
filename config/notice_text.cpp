// The record notices' words, once for both readers.
#include "config/notice_text.h"

#include "base/text_sink.h"

namespace veloranth {

std::optional<NoticeText> RecordNoticeText(ReadNotice notice, const NoticeDetails& d) {
    const char* name = d.name.c_str();
    StringSink text;
    switch (notice) {
        case ReadNotice::TownBeforeHeader:
            Print(&text, "Town %d (%s) comes before the header line, not used", d.index, name);
            break;
        case ReadNotice::TownBeyondCount:
            Print(&text, "Town %d (%s) is beyond NumberOfTowns, not used", d.index, name);
            break;
        case ReadNotice::TownConventionOutOfRange:
            Print(&text, "Convention %d of town %s out of range (0 to 31)", d.index, name);
            break;
        case ReadNotice::UnknownTimeZone:
            Print(&text, "Town %d (%s) has an unknown time zone %s, not used", d.index, name,
                  d.zone.c_str());
            break;
        case ReadNotice::ConventionOutOfRange:
            Print(&text, "Convention index %d out of range (0 to 31), line not used", d.index);
            break;
        case ReadNotice::RuleOutOfRange:
            Print(&text,
                  "High-latitude rule %d of convention %d out of range (0 to 3), line not used",
                  d.rule, d.index);
            break;
        case ReadNotice::ValueOutOfRange:
            Print(&text, "%s %s", d.column.c_str(), d.value.c_str());
            if (d.ofConvention) {
                Print(&text, " of convention %d", d.index);
            }
            Print(&text, " out of range (%d to %d), line not used", d.low, d.high);
            break;
        case ReadNotice::SoundFileNotPlain:
            Print(&text,
                  "SoundFile \"%s\" is not a plain file name (at most 64 characters, no \\ / :), "
                  "line not used",
                  name);
            break;
        case ReadNotice::ConventionWithoutAngles:
            Print(&text, "Convention %d has no line 3 (its angles), line %d not used", d.index,
                  d.type);
            break;
        case ReadNotice::MaghribAfterIsha:
            Print(&text,
                  "MaghribAngle %s of convention %d above its Isha angle %s (Isha would come "
                  "before Maghrib), line not used",
                  d.value.c_str(), d.index, d.limit.c_str());
            break;
        case ReadNotice::ConventionNotDefined:
            Print(&text, "Convention %d of town %s is not defined", d.index, name);
            break;
        case ReadNotice::NameWithoutQuotes:
            Print(&text, "Name of convention %d not between double quotes, not used", d.index);
            break;
        case ReadNotice::NameTooLong:
            Print(&text, "Name longer than 79 characters, cut to %s", name);
            return NoticeText{text.str(), false};  // the name ends the line
        default:
            return std::nullopt;
    }
    return NoticeText{text.str(), true};
}

bool LineNotUsed(ReadNotice notice) {
    switch (notice) {
        case ReadNotice::TownBeforeHeader:
        case ReadNotice::TownBeyondCount:
        case ReadNotice::UnknownTimeZone:
        case ReadNotice::ConventionOutOfRange:
        case ReadNotice::RuleOutOfRange:
        case ReadNotice::ValueOutOfRange:
        case ReadNotice::SoundFileNotPlain:
        case ReadNotice::ConventionWithoutAngles:
        case ReadNotice::MaghribAfterIsha:
        case ReadNotice::NameWithoutQuotes:
        case ReadNotice::NameTooLong:  // cut: the rest of the name would be lost
        case ReadNotice::FormatError:  // the lines after it were not read at all
            return true;
        default:
            return false;
    }
}

}  // namespace veloranth
