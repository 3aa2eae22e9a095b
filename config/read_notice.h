// What the data.cfg parser tells its front end: the main program prints these on
// standard output, the plug-in shows or logs them.
#pragma once

#include <string>

namespace veloranth {

enum class ReadNotice {
    // The files (details: the path).
    ConfigOpenFailed,  // data.cfg missing or unreadable; nothing else happens
    EchoOpenFailed,    // read_echo.cfg cannot be created; nothing else happens
    // Reading goes on after these.
    InvalidNumberOfTowns,      // NumberOfTowns below 1
    TownBeforeHeader,          // a town line before the header line: counted, not stored
    TownBeyondCount,           // more town lines than NumberOfTowns: counted, not stored
    TownConventionOutOfRange,  // a town's convention index is not 0 to 31
    UnknownTimeZone,           // a town names a zone the tz database lacks: counted, not stored
    ConventionOutOfRange,      // a line 3 to 7 or 11 for a convention index not 0 to 31
    RuleOutOfRange,            // a line 6 with a high-latitude rule not 0 to 3: not used
    ValueOutOfRange,           // a value of a line 7, 9, 10 or 11 outside its range: not used
    SoundFileNotPlain,         // a line 10's sound file is no plain file name: not used
    ConventionNotDefined,      // a kept town's convention (9 to 31) that no line 3 defines
    ConventionWithoutAngles,   // a line 4 to 7 of a convention above 8 without a line 3
    MaghribAfterIsha,          // a line 7 whose Maghrib angle passes the Isha angle: not used
    NameWithoutQuotes,         // a line 5 without two double quotes: no name stored
    NameTooLong,               // a country, town or convention name cut to 79 characters
    // Reading stops at these.
    FormatError,             // unknown line type, text where a line type belongs, or a
                             // line 6, 7, 9, 10 or 11 whose fields cannot be read
    AllocationFailed,        // no memory for the town table or a town record
    TownCountMismatch,       // the town lines do not match NumberOfTowns
    SelectedTownOutOfRange,  // TownSelected designates no town
};

// The values a notice names, as 8-bit text (names are converted for the wide reader).
struct NoticeDetails {
    int line = 0;      // the line of the file where the record concerned starts (from 1)
    int type = 0;      // that record's line type
    int index = 0;     // convention index, or the town's number in file order
    int rule = 0;      // the high-latitude rule concerned
    std::string name;  // the name concerned, as kept
    std::string zone;  // the zone name concerned, as read
    // ValueOutOfRange: the column (as its comment line names it), the value as read, the
    // range, and whether `index` is the convention of the line (lines 9 and 10 have none).
    std::string column;
    std::string value;
    std::string limit;  // MaghribAfterIsha: the Isha angle
    int low = 0;
    int high = 0;
    bool ofConvention = false;
    std::u16string path;  // the file concerned
};

// Result codes, as the plug-in's loader expects them.
enum ReadResult {
    kReadOk = 0,
    kReadOpenFailed = 1,
    kReadEchoFailed = 2,
    kReadFormatError = 3,
    kReadTownCountMismatch = 4,
    kReadSelectedOutOfRange = 5,
    kReadAllocationFailed = 6,
};

class ReadReporter {
  public:
    virtual ~ReadReporter() = default;
    virtual void Notice(ReadNotice notice, const NoticeDetails& details) = 0;
};

}  // namespace veloranth
