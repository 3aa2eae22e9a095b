// The records of data.cfg: their line types, and each record's values as the writer writes
// them and the transcription read_echo.cfg repeats them (what follows the type and a blank).
#pragma once

namespace veloranth {

enum LineType {
    kHeaderLine = 1,        // NumberOfTowns, TownSelected, Verbose
    kTownLine = 2,          // Country, Name, latitude, longitude, TimeZone, DST, Convention
    kParametersLine = 3,    // a convention's angles, Asr, Isha and Zuhr rules
    kCorrectionsLine = 4,   // a convention's six minute corrections
    kNameLine = 5,          // a convention's name between double quotes
    kHighLatitudeLine = 6,  // a convention's high-latitude rule
    kCommunityLine = 7,     // a convention's Maghrib angle, Imsak, midnight, Ramadan, seasons
    kCommentLine = 8,       // the rest of the line is ignored
    kHijriLine = 9,         // HijriShown, HijriAdjustment
    kCallLine = 10,         // the call at prayer time and its sound file between double quotes
    kRoundingLine = 11,     // a convention's rounding of the shown times and its polar rule
    kDailySunLine = 12,     // whether a convention takes the Sun of 0h UT for the whole day
};

inline constexpr char kHeaderValues[] = "%-13d  %-12d  %-7d\n";
// A town's Country and Name are padded to this width, two blanks after each.
inline constexpr int kTownNameWidth = 15;
inline constexpr char kTownValues[] = "%-10f  %-10f  %-7d  %-2d  %-2d\n";
// The same when the TimeZone column names a tz database zone; DST is written 0 beside it.
inline constexpr char kTownZoneValues[] = "%-10f  %-10f  %-7s  %-2d  %-2d\n";
inline constexpr char kParametersValues[] =
    "%-9d  %-14d  %-16g  %-16g  %-15g  %-19d  %-4d  %-7d  %-15.7f\n";
inline constexpr char kCorrectionsValues[] = "%-9d  %-7g  %-7g  %-7g  %-7g  %-7g  %-7g\n";
inline constexpr char kHighLatitudeValues[] = "%-9d  %d\n";
inline constexpr char kCommunityValues[] = "%-9d  %-12g  %-12d  %-8d  %-18d  %d\n";
inline constexpr char kRoundingValues[] = "%-9d  %-8d  %d\n";
inline constexpr char kDailySunValues[] = "%-9d  %d\n";
inline constexpr char kHijriValues[] = "%-10d  %d\n";
// The sound file itself follows between its quotes, then the line break.
inline constexpr char kCallBeforeFile[] = "%-9d  \"";
// The name itself follows between its quotes, then the line break.
inline constexpr char kNameIndex[] = "%-9d \"";

}  // namespace veloranth
