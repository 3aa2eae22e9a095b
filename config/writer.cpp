// The layout of data.cfg: commented blocks for the conventions, the sources, the
// header and the towns. Every value is written in a form the reader takes back.
#include "config/writer.h"

#include "base/codepage.h"
#include "config/config_path.h"
#include "config/edit_lock.h"
#include "config/line_formats.h"
#include "config/reader.h"
#include "platform/files.h"

namespace veloranth {

namespace {

const char kSeparator[] = "8 ------------------------------------------------------------------\n";

// Where the figures of the shipped file come from; comments only.
const char* const kSources[6] = {
    "https://en.wikipedia.org/wiki/Salah_times",
    "https://gml.noaa.gov/grad/solcalc/calcdetails.html",
    "https://en.wikipedia.org/wiki/Position_of_the_Sun",
    "https://www.geonames.org/",
    "https://www.openstreetmap.org/",
    "https://www.iana.org/time-zones",
};

// The file's text, line by line.
class Composer {
  public:
    template <class... Args>
    void Line(const char* format, Args... args) {
        Print(&text_, format, args...);
    }
    void Line(const char* text) { Print(&text_, "%s", text); }
    // Bytes as they were read, NULs included.
    void Bytes(const std::string& bytes) { text_.Write(bytes.data(), bytes.size()); }
    // A record: its line type, a blank, its values.
    template <class... Args>
    void Record(LineType type, const char* values, Args... args) {
        Print(&text_, "%d ", static_cast<int>(type));
        Print(&text_, values, args...);
    }
    std::string text() const { return text_.str(); }

  private:
    StringSink text_;
};

// The comment lines that stand above a record of that type.
const char* CommentOf(int type) {
    switch (type) {
        case kNameLine:
            return "8 Convention Name\n";
        case kParametersLine:
            return "8 Convention AsrSahfi/Hanafi FajrTwilightAngle IshaTwilightAngle "
                   "Sunrise/SetAngle Isha_is_Maghrib_plus xx mn ZuhrFixe ZuhrHour(h)\n";
        case kCorrectionsLine:
            return "8 - Time (mn) to add to get Salat\n"
                   "8 Convention Fajr     Chourouk Zuhr     Asr      Maghrib  Isha\n";
        case kHighLatitudeLine:
            return "8 Convention HighLatitudeRule (1 middle of the night, 2 one seventh, 3 "
                   "twilight angle)\n";
        case kCommunityLine:
            return "8 Convention MaghribAngle ImsakMinutes Midnight RamadanIshaMinutes "
                   "Seasonal\n";
        case kRoundingLine:
            return "8 Convention Rounding Polar\n";
        case kDailySunLine:
            return "8 Convention DailySun (1 the Sun of 0h UT for the whole day)\n";
        case kHijriLine:
            return "8 HijriShown HijriAdjustment\n";
        case kCallLine:
            return "8 Call SoundFile\n";
        default:
            return "";
    }
}

// The lines of that type and place the reader did not use, each as it was read under its
// comment, so that a file in this layout comes back byte for byte; true when there was one.
bool WriteRefused(Composer& c, const AppConfig& cfg, int type, int place) {
    bool any = false;
    for (const RefusedLine<char>& line : cfg.RefusedLines) {
        if (line.type == type && line.place == place) {
            c.Line(CommentOf(type));
            c.Bytes(line.text);
            any = true;
        }
    }
    return any;
}

bool IsConventionRecord(int type) {
    return type == kCorrectionsLine || type == kNameLine || type == kHighLatitudeLine ||
           type == kCommunityLine || type == kRoundingLine || type == kDailySunLine;
}

// A convention the file does not define: only the lines read for it, in the block's order.
void ComposeRefusedConvention(Composer& c, const AppConfig& cfg, int i) {
    bool any = false;
    for (int type : {kNameLine, kCorrectionsLine, kHighLatitudeLine, kCommunityLine, kRoundingLine,
                     kDailySunLine}) {
        any = WriteRefused(c, cfg, type, i) || any;
    }
    if (any) {
        c.Line("%s", kSeparator);
    }
}

void ComposeConvention(Composer& c, const AppConfig& cfg, int i) {
    const Convention& k = cfg.Conventions[i];
    c.Line(CommentOf(kNameLine));
    c.Record(kNameLine, kNameIndex, i);
    c.Line("%s\"\n", k.Name);
    c.Line(CommentOf(kParametersLine));
    c.Record(kParametersLine, kParametersValues, i, k.AsrShafi ? 1 : 0, k.FajrTwilightAngle,
             k.IshaTwilightAngle, k.SunriseSetAngle, k.IshaIsMaghribPlus ? 1 : 0,
             k.IshaMaghribMinutes, k.ZuhrFixe ? 1 : 0, k.ZuhrHour);
    c.Line(CommentOf(kCorrectionsLine));
    c.Record(kCorrectionsLine, kCorrectionsValues, i, k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset,
             k.AsrOffset, k.MaghribOffset, k.IshaOffset);
    if (k.HighLatitudeRule != 0) {  // a file without the rule keeps its old layout
        c.Line(CommentOf(kHighLatitudeLine));
        c.Record(kHighLatitudeLine, kHighLatitudeValues, i, k.HighLatitudeRule);
    } else {
        WriteRefused(c, cfg, kHighLatitudeLine, i);
    }
    if (UsesCommunityLine(k)) {  // likewise
        c.Line(CommentOf(kCommunityLine));
        c.Record(kCommunityLine, kCommunityValues, i, k.MaghribTwilightAngle, k.ImsakMinutes,
                 k.JafariMidnight ? 1 : 0, k.RamadanIshaMinutes, k.SeasonalTwilight);
    } else {
        WriteRefused(c, cfg, kCommunityLine, i);
    }
    if (UsesRoundingLine(k)) {  // likewise
        c.Line(CommentOf(kRoundingLine));
        c.Record(kRoundingLine, kRoundingValues, i, k.Rounding, k.PolarRule);
    } else {
        WriteRefused(c, cfg, kRoundingLine, i);
    }
    if (UsesDailySunLine(k)) {  // likewise
        c.Line(CommentOf(kDailySunLine));
        c.Record(kDailySunLine, kDailySunValues, i, k.DailySun ? 1 : 0);
    } else {
        WriteRefused(c, cfg, kDailySunLine, i);
    }
    c.Line("%s", kSeparator);
}

// A town the reader did not keep counts when its line is to be written back as read.
bool HasTown(const AppConfig& cfg, int i) {
    if (cfg.TownTable != nullptr && cfg.TownTable[i] != nullptr) {
        return true;
    }
    for (const RefusedLine<char>& line : cfg.RefusedLines) {
        if (line.type == kTownLine && line.place == i) {
            return true;
        }
    }
    return false;
}

bool TableComplete(const AppConfig& cfg) {
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        if (!HasTown(cfg, i)) {
            return false;
        }
    }
    return true;
}

// The program's own line, then the file and the system's reason.
bool Refused(const SaveFailure& why, TextSink& out, SaveFailure* failure) {
    Print(&out, "File open error for writing %s\n", "data.cfg");
    Print(&out, "Write config file Error : %s : %s\n", Utf16ToCp1252(why.path).c_str(),
          Utf16ToCp1252(Utf8ToUtf16(why.reason)).c_str());
    if (failure != nullptr) {
        *failure = why;
    }
    return false;
}

}  // namespace

std::string ComposeConfigFile(const AppConfig& cfg, int townSelected, TextSink& out) {
    Composer c;
    c.Line("%s", kSeparator);
    c.Line("8 --------- Config file for Salat and Sun position program ---------\n");
    c.Line("%s", kSeparator);
    for (int i = 0; i < kConventionCount; ++i) {
        if (ConventionDefined(cfg, i)) {
            ComposeConvention(c, cfg, i);
        } else {
            ComposeRefusedConvention(c, cfg, i);
        }
    }
    bool outside = false;  // lines of an index no convention has
    for (const RefusedLine<char>& line : cfg.RefusedLines) {
        if (IsConventionRecord(line.type) && (line.place < 0 || line.place >= kConventionCount)) {
            c.Bytes(line.text);
            outside = true;
        }
    }
    if (outside) {
        c.Line("%s", kSeparator);
    }
    c.Line("8 - sources :\n");
    for (const char* source : kSources) {
        c.Line("8 - %s\n", source);
    }
    c.Line("%s", kSeparator);
    c.Line("8 NumberOfTowns  TownSelected  Verbose\n");
    c.Record(kHeaderLine, kHeaderValues, cfg.NumberOfTowns, townSelected, cfg.Verbose);
    if (cfg.NumberOfTowns < 1) {
        Print(&out, "Write config file Error : Invalid number of towns.\n");
    }
    if (UsesHijriLine(cfg)) {
        c.Line(CommentOf(kHijriLine));
        c.Record(kHijriLine, kHijriValues, cfg.HijriShown ? 1 : 0, cfg.HijriAdjustment);
    } else {
        WriteRefused(c, cfg, kHijriLine, 0);
    }
    if (UsesCallLine(cfg)) {
        c.Line(CommentOf(kCallLine));
        c.Record(kCallLine, kCallBeforeFile, cfg.Call);
        c.Line("%s\"\n", cfg.SoundFile);
    } else {
        WriteRefused(c, cfg, kCallLine, 0);
    }
    c.Line("%s", kSeparator);
    c.Line("8 - Town location and TimeZone\n");
    c.Line("8 Country          Name             latitude    longitude   TimeZone DST Convention\n");
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        if (cfg.TownTable == nullptr || cfg.TownTable[i] == nullptr) {
            WriteRefused(c, cfg, kTownLine, i);
            continue;
        }
        const Town& t = *cfg.TownTable[i];
        c.Record(kTownLine, "%-*s  %-*s  ", kTownNameWidth, t.Country, kTownNameWidth, t.Name);
        if (t.ZoneName[0] != 0) {
            c.Line(kTownZoneValues, t.latitude, t.longitude, t.ZoneName, 0, t.Convention);
        } else {
            c.Line(kTownValues, t.latitude, t.longitude, t.TimeZone, t.DST, t.Convention);
        }
    }
    c.Line("%s", kSeparator);
    return c.text();
}

bool SaveTownChoice(const std::u16string& folder, const AppConfig& program, int townSelected,
                    const LockWait& wait, TextSink& out, const FileOps& ops,
                    SaveFailure* failure) {
    ConfigEditLock lock(platform::FinalPath(ConfigPath(folder, kConfigFileName)), wait, ops);
    if (!lock.Held()) {
        return Refused(lock.Failure(), out, failure);
    }
    OwnedConfig now;
    const ReadResult read = ReadConfigFile(lock.File(), u"", now.cfg, out);
    if (read == kReadOpenFailed) {
        return WriteConfigFile(lock.File(), program, townSelected, out, ops, failure);
    }
    // Stopped at a line: writing would drop every line after it.
    if (read == kReadFormatError || read == kReadAllocationFailed) {
        return Refused({lock.File(), "cannot be read whole", SaveProblem::kUnreadable}, out,
                       failure);
    }
    // Towns are only ever added at the end: the index still names the town chosen.
    if (townSelected >= now.cfg.NumberOfTowns) {
        return Refused({lock.File(), "the town chosen is not in it", SaveProblem::kTownGone}, out,
                       failure);
    }
    return WriteConfigFile(lock.File(), now.cfg, townSelected, out, ops, failure);
}

bool WriteConfigFile(const std::u16string& target, const AppConfig& cfg, int townSelected,
                     TextSink& out, const FileOps& ops, SaveFailure* failure) {
    if (!TableComplete(cfg)) {
        // A table that was not read whole would be saved without some of its towns.
        Print(&out, "Write config file Error : Town table incomplete, %s not written.\n",
              "data.cfg");
        if (failure != nullptr) {
            *failure = {target, "town table incomplete", SaveProblem::kUnreadable};
        }
        return false;
    }
    SaveFailure why;
    if (!ReplaceWholeFile(target, ComposeConfigFile(cfg, townSelected, out), why, ops)) {
        return Refused(why, out, failure);
    }
    return true;
}

}  // namespace veloranth
