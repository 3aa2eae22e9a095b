// The layout of data.cfg: commented blocks for the conventions, the sources, the
// header and the towns. Every value is written in a form the reader takes back.
#include "config/writer.h"

#include "base/codepage.h"
#include "config/config_path.h"
#include "config/edit_lock.h"
#include "config/line_formats.h"

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

void ComposeConvention(Composer& c, int i, const Convention& k) {
    c.Line("8 Convention Name\n");
    c.Record(kNameLine, kNameIndex, i);
    c.Line("%s\"\n", k.Name);
    c.Line(
        "8 Convention AsrSahfi/Hanafi FajrTwilightAngle IshaTwilightAngle Sunrise/SetAngle "
        "Isha_is_Maghrib_plus xx mn ZuhrFixe ZuhrHour(h)\n");
    c.Record(kParametersLine, kParametersValues, i, k.AsrShafi ? 1 : 0, k.FajrTwilightAngle,
             k.IshaTwilightAngle, k.SunriseSetAngle, k.IshaIsMaghribPlus ? 1 : 0,
             k.IshaMaghribMinutes, k.ZuhrFixe ? 1 : 0, k.ZuhrHour);
    c.Line("8 - Time (mn) to add to get Salat\n");
    c.Line("8 Convention Fajr     Chourouk Zuhr     Asr      Maghrib  Isha\n");
    c.Record(kCorrectionsLine, kCorrectionsValues, i, k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset,
             k.AsrOffset, k.MaghribOffset, k.IshaOffset);
    if (k.HighLatitudeRule != 0) {  // a file without the rule keeps its old layout
        c.Line(
            "8 Convention HighLatitudeRule (1 middle of the night, 2 one seventh, 3 twilight "
            "angle)\n");
        c.Record(kHighLatitudeLine, kHighLatitudeValues, i, k.HighLatitudeRule);
    }
    if (UsesCommunityLine(k)) {  // likewise
        c.Line("8 Convention MaghribAngle ImsakMinutes Midnight RamadanIshaMinutes Seasonal\n");
        c.Record(kCommunityLine, kCommunityValues, i, k.MaghribTwilightAngle, k.ImsakMinutes,
                 k.JafariMidnight ? 1 : 0, k.RamadanIshaMinutes, k.SeasonalTwilight);
    }
    if (UsesRoundingLine(k)) {  // likewise
        c.Line("8 Convention Rounding Polar\n");
        c.Record(kRoundingLine, kRoundingValues, i, k.Rounding, k.PolarRule);
    }
    if (UsesDailySunLine(k)) {  // likewise
        c.Line("8 Convention DailySun (1 the Sun of 0h UT for the whole day)\n");
        c.Record(kDailySunLine, kDailySunValues, i, k.DailySun ? 1 : 0);
    }
    c.Line("%s", kSeparator);
}

bool TableComplete(const AppConfig& cfg) {
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
        if (cfg.TownTable == nullptr || cfg.TownTable[i] == nullptr) {
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
        if (i < kAlwaysWrittenConventions || cfg.Conventions[i].Addressed) {
            ComposeConvention(c, i, cfg.Conventions[i]);
        }
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
        c.Line("8 HijriShown HijriAdjustment\n");
        c.Record(kHijriLine, kHijriValues, cfg.HijriShown ? 1 : 0, cfg.HijriAdjustment);
    }
    if (UsesCallLine(cfg)) {
        c.Line("8 Call SoundFile\n");
        c.Record(kCallLine, kCallBeforeFile, cfg.Call);
        c.Line("%s\"\n", cfg.SoundFile);
    }
    c.Line("%s", kSeparator);
    c.Line("8 - Town location and TimeZone\n");
    c.Line("8 Country          Name             latitude    longitude   TimeZone DST Convention\n");
    for (int i = 0; i < cfg.NumberOfTowns; ++i) {
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

bool WriteConfig(const std::u16string& folder, const AppConfig& cfg, int townSelected,
                 TextSink& out, const FileOps& ops, SaveFailure* failure) {
    const std::u16string path = ConfigPath(folder, kConfigFileName);
    ConfigEditLock lock(path, ops);
    if (!lock.Held()) {
        return Refused(lock.Failure(), out, failure);
    }
    return WriteConfigFile(path, cfg, townSelected, out, ops, failure);
}

bool WriteConfigFile(const std::u16string& target, const AppConfig& cfg, int townSelected,
                     TextSink& out, const FileOps& ops, SaveFailure* failure) {
    if (!TableComplete(cfg)) {
        // A table that was not read whole would be saved without some of its towns.
        Print(&out, "Write config file Error : Town table incomplete, %s not written.\n",
              "data.cfg");
        return false;
    }
    SaveFailure why;
    if (!ReplaceWholeFile(target, ComposeConfigFile(cfg, townSelected, out), why, ops)) {
        return Refused(why, out, failure);
    }
    return true;
}

}  // namespace veloranth
