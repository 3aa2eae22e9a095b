// Lookups in the compiled tz tables: a zone's history is read as consecutive pieces of one
// offset, first from its explicit changes, then from its recurring rule.
#include "zones/zones.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/calendar_date.h"

namespace veloranth::zones {

// A zone's row: its name's index in kNames, its rule's index in kRules (kNoRule when its
// last offset simply persists) and where its changes start in kChanges.
struct Zone {
    std::uint16_t name;
    std::uint8_t rule;
    std::uint32_t changes;
};

namespace {

constexpr std::uint8_t kNoRule = 255;

// A date of a recurring rule as a POSIX TZ string writes it: 'J' day (1..365, 29 February
// never counted), 'N' day (0..365, counted), 'M' month.week.weekday (week 5 = last, weekday
// 0 = Sunday); time is local seconds from that day's midnight and may pass a day.
struct RuleDate {
    char kind;
    std::uint8_t month;
    std::uint8_t week;
    std::uint8_t weekday;
    std::uint16_t day;
    std::int32_t time;
};

// Daylight saving from `start` (in standard time) to `end` (in daylight time), every year.
struct Rule {
    std::uint8_t standard;  // index in kOffsets
    std::uint8_t daylight;
    RuleDate start;
    RuleDate end;
};

// A name's place in kNameText and the index of its zone in kZones.
struct NameEntry {
    std::uint16_t text;
    std::uint16_t zone;
};

#include "zones_data.inc"

constexpr std::int64_t kDay = 86400;
// No offset reaches a day: any local time is within this of its UTC instants.
constexpr std::int64_t kMaxOffset = 26 * 3600;
// Instants are clamped to about two million years, so that sums never overflow.
constexpr std::int64_t kLimit = std::int64_t{1} << 46;
constexpr std::int64_t kMaxYear = 1000000;
// Beginning and end of the pieces that have none.
constexpr std::int64_t kNever = std::int64_t{1} << 62;

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

// UTC calendar year of an instant.
std::int64_t YearOf(std::int64_t utc) {
    return CivilFromDays(FloorDiv(utc, kDay)).year;
}

// The calendar's rules for years beyond an int, which a piece's far end can reach.
constexpr bool IsLeap(std::int64_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

constexpr int MonthLength(std::int64_t year, int month) {
    constexpr int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kLengths[month - 1];
}

// Days since 1970-01-01 of a rule's date in a year.
std::int64_t RuleDay(const RuleDate& date, std::int64_t year) {
    const std::int64_t january1 = DaysFromCivil(year, 1, 1);
    if (date.kind == 'J') {
        return january1 + date.day - 1 + (IsLeap(year) && date.day >= 60 ? 1 : 0);
    }
    if (date.kind == 'N') {
        return january1 + date.day;
    }
    const std::int64_t first = DaysFromCivil(year, date.month, 1);
    const std::int64_t firstWeekday = FloorMod(first + 4, 7);  // 1970-01-01: Thursday
    std::int64_t day = (date.weekday - firstWeekday + 7) % 7 + (date.week - 1) * 7;
    if (day >= MonthLength(year, date.month)) {
        day -= 7;
    }
    return first + day;
}

struct FooterPiece {
    std::int64_t begin;  // the rule's latest change at or before the instant
    std::int64_t end;    // its next change
    std::uint8_t offset;
};

// The piece of a rule that holds an instant. The changes of the year before and after are
// looked at too, as a rule's local dates and times can cross into the next UTC year; when
// two changes fall on the same instant, the later year's (or the rule's second) one wins.
FooterPiece RulePiece(const Rule& rule, std::int64_t utc) {
    const std::int64_t year = YearOf(utc);
    FooterPiece piece{-kNever, kNever, rule.standard};
    for (std::int64_t y = year - 1; y <= year + 2; ++y) {
        const std::int64_t changes[2] = {
            RuleDay(rule.start, y) * kDay + rule.start.time - kOffsets[rule.standard].seconds,
            RuleDay(rule.end, y) * kDay + rule.end.time - kOffsets[rule.daylight].seconds};
        for (int i = 0; i < 2; ++i) {
            if (changes[i] <= utc && changes[i] >= piece.begin) {
                piece.begin = changes[i];
                piece.offset = i == 0 ? rule.daylight : rule.standard;
            } else if (changes[i] > utc) {
                piece.end = std::min(piece.end, changes[i]);
            }
        }
    }
    return piece;
}

// A zone's offsets as consecutive pieces [begin, end) of one offset, from the piece that
// holds a given instant on. kChanges holds per zone: varint type count, the types' indices
// in kOffsets (the first is in force at kStart), varint change count; when there are
// changes, varint (last change - kStart) and the last change's type, then per change varint
// (((time since the previous change, in kUnit or, when marked, seconds) << type bits | type)
// << 1 | marked). From the last change on, the zone's rule (if any) decides.
class Pieces {
  public:
    Pieces(const Zone& zone, std::int64_t utc)
        : rule_(zone.rule == kNoRule ? nullptr : &kRules[zone.rule]),
          next_(kChanges + zone.changes) {
        const unsigned typeCount = ReadVarint();
        types_ = next_;
        next_ += typeCount;
        while (typeCount > (1u << typeBits_)) {
            ++typeBits_;
        }
        left_ = ReadVarint();
        offset_ = types_[0];
        if (left_ == 0) {
            return;  // one offset for ever
        }
        const std::int64_t lastChange = kStart + static_cast<std::int64_t>(ReadVarint());
        const std::uint8_t lastType = types_[*next_++];
        if (utc < lastChange) {  // walk the changes up to the piece that holds utc
            end_ = kStart;
            ReadChange();
            while (end_ <= utc) {
                Next();
            }
            return;
        }
        left_ = 0;
        begin_ = lastChange;
        offset_ = lastType;
        if (rule_ != nullptr) {
            const FooterPiece piece = RulePiece(*rule_, utc);
            begin_ = std::max(begin_, piece.begin);
            end_ = piece.end;
            offset_ = piece.offset;
        }
    }

    std::int64_t begin() const { return begin_; }
    std::int64_t end() const { return end_; }
    const UtcOffset& offset() const { return kOffsets[offset_]; }

    void Next() {
        begin_ = end_;
        if (left_ > 0) {
            offset_ = nextType_;
            --left_;
            if (left_ > 0) {
                ReadChange();
            } else {
                FromLastChange();
            }
        } else if (rule_ != nullptr) {
            const FooterPiece piece = RulePiece(*rule_, begin_);
            end_ = piece.end;
            offset_ = piece.offset;
        }
    }

  private:
    std::uint64_t ReadVarint() {
        std::uint64_t value = 0;
        for (int shift = 0;; shift += 7) {
            const unsigned char byte = *next_++;
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if (byte < 0x80) {
                return value;
            }
        }
    }

    // Reads the next change: the current piece ends there, the next one has its type.
    void ReadChange() {
        const std::uint64_t value = ReadVarint();
        const std::uint64_t packed = value >> 1;
        const std::uint64_t step = packed >> typeBits_;
        nextType_ = types_[packed & ((1u << typeBits_) - 1)];
        end_ += static_cast<std::int64_t>(step) * ((value & 1) != 0 ? 1 : kUnit);
    }

    // The piece that begins with the last change: the rule's, or one for ever.
    void FromLastChange() {
        end_ = kNever;
        if (rule_ != nullptr) {
            end_ = RulePiece(*rule_, begin_).end;
        }
    }

    const Rule* rule_;
    const unsigned char* next_;
    const unsigned char* types_ = nullptr;
    unsigned typeBits_ = 0;
    std::uint64_t left_ = 0;  // changes not yet entered, the current piece's end included
    std::int64_t begin_ = -kNever;
    std::int64_t end_ = kNever;
    std::uint8_t offset_ = 0;
    std::uint8_t nextType_ = 0;
};

constexpr std::int64_t Clamp(std::int64_t value, std::int64_t limit) {
    return std::max(-limit, std::min(limit, value));
}

// Local seconds (as if the local clock were UTC) of a day's midnight; months roll over.
std::int64_t LocalMidnight(int year, int month, int day) {
    const std::int64_t months = std::int64_t{year} * 12 + month - 1;
    const std::int64_t y = Clamp(FloorDiv(months, 12), kMaxYear);
    return Clamp(DaysFromCivil(y, static_cast<int>(FloorMod(months, 12)) + 1, day) * kDay, kLimit);
}

std::string_view NameText(std::size_t index) {
    const char* text = kNameText + kNames[index].text;
    return {text, std::strlen(text)};
}

}  // namespace

const Zone* FindZone(std::string_view name) {
    const NameEntry* const namesEnd = kNames + ZoneNameCount();
    const NameEntry* found =
        std::lower_bound(kNames, namesEnd, name, [](const NameEntry& entry, std::string_view key) {
            return NameText(static_cast<std::size_t>(&entry - kNames)) < key;
        });
    if (found == namesEnd || NameText(static_cast<std::size_t>(found - kNames)) != name) {
        return nullptr;
    }
    return &kZones[found->zone];
}

std::string_view ZoneName(const Zone* zone) {
    return zone == nullptr ? std::string_view() : NameText(zone->name);
}

std::size_t ZoneNameCount() {
    return sizeof(kNames) / sizeof(kNames[0]);
}

std::string_view ZoneNameAt(std::size_t index) {
    return index < ZoneNameCount() ? NameText(index) : std::string_view();
}

const char* TzDatabaseVersion() {
    return kVersion;
}

UtcOffset OffsetAt(const Zone* zone, std::int64_t utc) {
    if (zone == nullptr) {
        return {0, false};
    }
    return Pieces(*zone, Clamp(utc, kLimit)).offset();
}

std::int32_t OffsetAtLocalNoon(const Zone* zone, int year, int month, int day) {
    if (zone == nullptr) {
        return 0;
    }
    const std::int64_t local = LocalMidnight(year, month, day) + kDay / 2;
    // The first piece whose wall clock gets past 12:00: where 12:00 is shown twice, the
    // earlier; where the clock jumps over it, the piece after the jump.
    for (Pieces piece(*zone, local - kMaxOffset);; piece.Next()) {
        if (piece.end() + piece.offset().seconds > local) {
            return piece.offset().seconds;
        }
    }
}

std::int32_t SmallestOffsetOfYear(const Zone* zone, int year) {
    if (zone == nullptr) {
        return 0;
    }
    const std::int64_t y = Clamp(year, kMaxYear);
    const std::int64_t first = DaysFromCivil(y, 1, 1) * kDay;
    const std::int64_t last = DaysFromCivil(y + 1, 1, 1) * kDay;
    std::int32_t smallest = std::numeric_limits<std::int32_t>::max();
    for (Pieces piece(*zone, first - kMaxOffset); piece.begin() < last + kMaxOffset; piece.Next()) {
        const std::int32_t offset = piece.offset().seconds;
        if (piece.begin() + offset < last && piece.end() + offset > first) {
            smallest = std::min(smallest, offset);
        }
    }
    return smallest;
}

bool DaylightSavingAtLocalNoon(const Zone* zone, int year, int month, int day) {
    return OffsetAtLocalNoon(zone, year, month, day) > SmallestOffsetOfYear(zone, year);
}

const Zone* ZoneKeepingOffset(std::int32_t seconds) {
    for (std::size_t i = 0; i < ZoneNameCount(); ++i) {
        const Zone* zone = FindZone(ZoneNameAt(i));
        if (ZoneName(zone) != ZoneNameAt(i)) {
            continue;  // a link: its target comes in its own turn
        }
        bool constant = true;
        for (int year = 1990; year <= 2037 && constant; ++year) {
            for (int month = 1; month <= 12 && constant; ++month) {
                constant = OffsetAtLocalNoon(zone, year, month, 1) == seconds &&
                           OffsetAtLocalNoon(zone, year, month, 15) == seconds;
            }
        }
        if (constant) {
            return zone;
        }
    }
    return nullptr;
}

}  // namespace veloranth::zones
