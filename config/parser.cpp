// data.cfg reading. Each record starts with its line type; numbers and words are read as
// whitespace-separated tokens the way the C library's formatted input reads them, names
// between double quotes and comments as the rest of their line (at most 199 characters
// at a time). Whatever the file holds, nothing is written outside the tables.
#include "config/parser.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <vector>

#include "base/codepage.h"
#include "config/line_formats.h"
#include "base/text_sink.h"

namespace veloranth {

namespace {

constexpr int kRestOfLine = 199;  // characters of a comment or name line read at a time
constexpr int kMaxName = kNameSize - 1;

template <class Char>
bool IsSpace(Char c) {
    // The C locale's blanks, for both character widths, so both readers agree.
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

template <class Char>
bool IsDigit(Char c) {
    return c >= '0' && c <= '9';
}

enum class Scan { Ok, Failed, End };

template <class Char>
std::string Narrow(const Char* s) {
    std::basic_string<Char> str(s);
    if constexpr (sizeof(Char) == 1) {
        return std::string(str.begin(), str.end());
    } else {
        return Utf16ToCp1252(str);
    }
}

template <class Char>
class Parser {
  public:
    Parser(std::basic_string_view<Char> text, BasicAppConfig<Char>& cfg,
           std::basic_string<Char>& out, TownAllocator& allocator, ReadReporter& reporter)
        : cfg_(cfg), out_(out), allocator_(allocator), reporter_(reporter) {
        // Windows line ends read as they would in text mode.
        text_.reserve(text.size());
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                text_ += text[i];
            }
        }
    }

    ReadResult Run() {
        Append("%s", kTranscriptionHeading);
        cfg_.RefusedLines.clear();  // they belong to this reading
        int type = 0;
        int previous = 0;
        for (Scan s = NextType(type); s != Scan::End; s = NextType(type)) {
            if (s == Scan::Failed) {
                // Text where a line type belongs: only the rest of an over-long comment
                // (or plain text after one) is taken as one more comment.
                if (previous != kCommentLine) {
                    return Stop(ReadNotice::FormatError, kReadFormatError);
                }
                type = kCommentLine;
            }
            Append("%d ", type);
            recordType_ = type;
            ReadResult r = Record(type);
            if (r != kReadOk) {
                return r;
            }
            previous = type;
        }
        return Finish();
    }

  private:
    // ---- scanning, as formatted input does it ----------------------------------------

    // The next line type; where its record starts is kept for the notices.
    Scan NextType(int& type) {
        SkipSpace();
        recordStart_ = pos_;
        return ReadInt(type);
    }

    // The line of the file where the current record starts, from 1.
    int RecordLine() {
        for (; counted_ < recordStart_ && counted_ < text_.size(); ++counted_) {
            lineOfCounted_ += text_[counted_] == '\n';
        }
        return lineOfCounted_;
    }

    // The current record as read, from its line type to its last value and the blanks and
    // line break after it: nothing of a record that may follow on the same line.
    std::basic_string<Char> RecordText() const {
        std::size_t end = pos_;
        const bool lineEnded = pos_ > recordStart_ && text_[pos_ - 1] == Char('\n');
        while (!lineEnded && end < text_.size() && (text_[end] == ' ' || text_[end] == '\t')) {
            ++end;
        }
        std::basic_string<Char> text = text_.substr(recordStart_, end - recordStart_);
        if (!text.empty() && text.back() == Char('\n')) {
            text.pop_back();
        }
        // Carriage returns before a line break, its own or one within a record that runs
        // over lines, would be read as one (CR LF) next time: blanks, they go.
        std::basic_string<Char> kept;
        for (Char c : text + Char('\n')) {
            while (c == Char('\n') && !kept.empty() && kept.back() == Char('\r')) {
                kept.pop_back();
            }
            kept += c;
        }
        return kept;
    }

    // A record beyond the oldest grammar that is not used: kept to be written back.
    void Keep(int type, int place) { cfg_.RefusedLines.push_back({type, place, RecordText()}); }

    // A convention's record whose index lies past the table: told, and kept as read.
    bool KeptOutsideTable(int index) {
        if (ValidConvention(index)) {
            return false;
        }
        Tell(ReadNotice::ConventionOutOfRange, index, "");
        Keep(recordType_, index);
        return true;
    }

    bool SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) {
            ++pos_;
        }
        return pos_ < text_.size();
    }

    Scan ReadInt(int& value) {
        if (!SkipSpace()) {
            return Scan::End;
        }
        std::size_t p = pos_;
        bool negative = false;
        if (text_[p] == '+' || text_[p] == '-') {
            negative = text_[p] == '-';
            ++p;
        }
        if (p >= text_.size() || !IsDigit(text_[p])) {
            return Scan::Failed;  // nothing consumed beyond the blanks
        }
        long long v = 0;
        for (; p < text_.size() && IsDigit(text_[p]); ++p) {
            if (v <= INT_MAX) {
                v = v * 10 + (text_[p] - '0');
            }
        }
        if (negative) {
            v = -v;
        }
        value = static_cast<int>(v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : v);
        pos_ = p;
        return Scan::Ok;
    }

    Scan ReadReal(double& value) {
        if (!SkipSpace()) {
            return Scan::End;
        }
        // The candidate characters, narrowed; the conversion takes the longest number.
        std::string token;
        std::size_t p = pos_;
        for (; p < text_.size() && token.size() < 1024; ++p) {
            Char c = text_[p];
            bool numberish = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                             (c >= 'A' && c <= 'Z') || c == '.' || c == '+' || c == '-' ||
                             c == '(' || c == ')' || c == '_';
            if (!numberish) {
                break;
            }
            token += static_cast<char>(c);
        }
        std::size_t used = 0;
        if (!ParseReal(token, value, used)) {
            return Scan::Failed;
        }
        pos_ += used;
        return Scan::Ok;
    }

    static bool ParseReal(const std::string& token, double& value, std::size_t& used) {
        const char* begin = token.data();
        const char* end = begin + token.size();
        const char* p = begin;
        bool negative = false;
        if (p < end && (*p == '+' || *p == '-')) {
            negative = *p == '-';
            ++p;
        }
        auto format = std::chars_format::general;
        if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') &&
            std::isxdigit(static_cast<unsigned char>(p[2]))) {
            format = std::chars_format::hex;
            p += 2;
        }
        double v = 0;
        std::from_chars_result r = std::from_chars(p, end, v, format);
        if (r.ec == std::errc::invalid_argument) {
            return false;
        }
        if (r.ec == std::errc::result_out_of_range) {
            // Beyond the double range: infinity for large magnitudes, zero for tiny ones.
            std::string digits(p, r.ptr);
            v = std::fabs(std::strtod(digits.c_str(), nullptr)) > 1.0 ? HUGE_VAL : 0.0;
        }
        value = negative ? -v : v;
        used = static_cast<std::size_t>(r.ptr - begin);
        return true;
    }

    // A word: a run of non-blank characters, of which 79 are kept.
    Scan ReadWord(Char (&field)[kNameSize], bool& cut) {
        cut = false;
        if (!SkipSpace()) {
            return Scan::End;
        }
        std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_])) {
            ++pos_;
        }
        std::size_t length = pos_ - start;
        cut = length > static_cast<std::size_t>(kMaxName);
        std::size_t kept = cut ? kMaxName : length;
        text_.copy(field, kept, start);
        field[kept] = 0;
        return Scan::Ok;
    }

    // At most 199 characters, up to and including the line break; the text ends at a NUL.
    std::basic_string<Char> ReadRestOfLine() {
        std::size_t start = pos_;
        while (pos_ < text_.size() && pos_ - start < static_cast<std::size_t>(kRestOfLine)) {
            if (text_[pos_++] == '\n') {
                break;
            }
        }
        std::basic_string<Char> rest = text_.substr(start, pos_ - start);
        std::size_t nul = rest.find(Char(0));
        if (nul != std::basic_string<Char>::npos) {
            rest.resize(nul);
        }
        return rest;
    }

    // ---- transcription ---------------------------------------------------------------

    // Formatted numbers and fixed texts (ASCII, or 8-bit in the heading).
    template <class... Args>
    void Append(const char* format, Args... args) {
        StringSink text;
        Print(&text, format, args...);
        if constexpr (sizeof(Char) == 1) {
            out_ += text.str();
        } else {
            out_ += Cp1252ToUtf16(text.str());  // a zone name as read may hold any byte
        }
    }
    void Append(const char* text) { Append("%s", text); }

    // A left-justified "%-Ns" of a name in the reader's own character width.
    void AppendPadded(const Char* text, std::size_t width) {
        std::basic_string<Char> s(text);
        out_ += s;
        if (s.size() < width) {
            out_.append(width - s.size(), Char(' '));
        }
    }

    // ---- records ---------------------------------------------------------------------

    ReadResult Record(int type) {
        switch (type) {
            case kHeaderLine:
                return Header();
            case kTownLine:
                return TownLine();
            case kParametersLine:
                ConventionParameters();
                return kReadOk;
            case kCorrectionsLine:
                MinuteCorrections();
                return kReadOk;
            case kNameLine:
                ConventionName();
                return kReadOk;
            case kHighLatitudeLine:
                return HighLatitudeRuleLine();
            case kCommunityLine:
                return CommunityLine();
            case kHijriLine:
                return HijriLine();
            case kCallLine:
                return CallLine();
            case kRoundingLine:
                return RoundingLine();
            case kDailySunLine:
                return DailySunLine();
            case kCommentLine:
                out_.pop_back();  // the comment's own text starts where the blank was
                out_ += ReadRestOfLine();
                return kReadOk;
            default:
                return Stop(ReadNotice::FormatError, kReadFormatError);
        }
    }

    ReadResult Header() {
        int towns = cfg_.NumberOfTowns;
        int selected = cfg_.TownSelected;
        int verbose = cfg_.Verbose;
        if (ReadInt(towns) == Scan::Ok && ReadInt(selected) == Scan::Ok) {
            ReadInt(verbose);
        }
        Append(kHeaderValues, towns, selected, verbose);
        if (towns < 1) {
            Tell(ReadNotice::InvalidNumberOfTowns, 0, "");
        }
        ReleaseTownTable(cfg_, allocator_);
        cfg_.TownSelected = selected;
        cfg_.Verbose = verbose;
        cfg_.NumberOfTowns = towns;
        headerSeen_ = true;
        if (towns < 1) {
            return kReadOk;
        }
        void* table = nullptr;
        if (towns <= kMaxTowns) {
            table = allocator_.Allocate(sizeof(BasicTown<Char>*) * static_cast<std::size_t>(towns));
        }
        if (table == nullptr) {
            cfg_.NumberOfTowns = 0;  // the table has as many entries as this says: none
            return Stop(ReadNotice::AllocationFailed, kReadAllocationFailed);
        }
        cfg_.TownTable = static_cast<BasicTown<Char>**>(table);
        return kReadOk;
    }

    ReadResult TownLine() {
        void* memory = allocator_.Allocate(sizeof(BasicTown<Char>));
        if (memory == nullptr) {
            return Stop(ReadNotice::AllocationFailed, kReadAllocationFailed);
        }
        BasicTown<Char>* town = new (memory) BasicTown<Char>();
        bool countryCut = false, nameCut = false, zoneNamed = false, whole = false;
        if (ReadWord(town->Country, countryCut) == Scan::Ok &&
            ReadWord(town->Name, nameCut) == Scan::Ok && ReadReal(town->latitude) == Scan::Ok &&
            ReadReal(town->longitude) == Scan::Ok && ReadTimeZone(*town, zoneNamed) == Scan::Ok &&
            ReadInt(town->DST) == Scan::Ok) {
            whole = ReadInt(town->Convention) == Scan::Ok;
        }
        AppendPadded(town->Country, kTownNameWidth);
        Append("  ");
        AppendPadded(town->Name, kTownNameWidth);
        Append("  ");
        const std::string zoneName = Narrow(town->ZoneName);
        if (!zoneNamed) {
            Append(kTownValues, town->latitude, town->longitude, town->TimeZone, town->DST,
                   town->Convention);
        } else {
            Append(kTownZoneValues, town->latitude, town->longitude, zoneName.c_str(), town->DST,
                   town->Convention);
        }
        if (town->Country[0] == 0 || town->Name[0] == 0) {
            // The file ended before the names (or one begins with a NUL): written back, the
            // line would lose a column and shift the others, so it cannot be read as a town.
            allocator_.Release(town);
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (countryCut) {
            Tell(ReadNotice::NameTooLong, townCount_, Narrow(town->Country));
        }
        if (nameCut) {
            Tell(ReadNotice::NameTooLong, townCount_, Narrow(town->Name));
        }
        if (town->Convention < 0 || town->Convention >= kConventionCount) {
            Tell(ReadNotice::TownConventionOutOfRange, town->Convention, Narrow(town->Name));
        }
        const bool unknownZone = zoneNamed && town->zone == nullptr;
        if (unknownZone) {
            Tell(ReadNotice::UnknownTimeZone, townCount_, Narrow(town->Name), zoneName);
        }
        const bool inTable = cfg_.TownTable != nullptr && townCount_ < cfg_.NumberOfTowns;
        if (unknownZone && inTable && whole) {
            Keep(kTownLine, townCount_);  // another build's tz database may know the zone
        }
        if (!inTable) {
            Tell(headerSeen_ ? ReadNotice::TownBeyondCount : ReadNotice::TownBeforeHeader,
                 townCount_, Narrow(town->Name));
            allocator_.Release(town);
        } else if (unknownZone) {
            allocator_.Release(town);  // no town computes in a zone it does not have
        } else {
            cfg_.TownTable[townCount_] = town;
        }
        ++townCount_;
        return kReadOk;
    }

    // The TimeZone column: whole hours, or else a word naming a tz database zone (DST is then
    // read but not used).
    Scan ReadTimeZone(BasicTown<Char>& town, bool& named) {
        Scan s = ReadInt(town.TimeZone);
        if (s != Scan::Failed) {
            return s;
        }
        named = true;
        bool cut = false;
        ReadWord(town.ZoneName, cut);
        // A name cut to 79 characters is no name of the database: it stays unknown.
        town.zone = cut ? nullptr : zones::FindZone(Narrow(town.ZoneName));
        return Scan::Ok;
    }

    // The convention a line 3, 4 or 5 addresses, kept in CurrentConvention as the reader
    // always has; a line cut short keeps the index read before it.
    bool ReadConventionIndex(int& index) {
        index = cfg_.CurrentConvention;
        if (ReadInt(index) != Scan::Ok) {
            return false;
        }
        cfg_.CurrentConvention = index;
        return true;
    }

    bool ValidConvention(int index) const { return index >= 0 && index < kConventionCount; }

    ConventionRules RulesOf(int index) const {
        return ValidConvention(index) ? static_cast<const ConventionRules&>(cfg_.Conventions[index])
                                      : ConventionRules{};
    }

    // Stores what a line 3, 4, 6 or 7 says of a convention. Above 8, only a line 3 defines
    // one: the other lines wait for the end of the file to know whether it has one.
    bool StoreRules(int index, const ConventionRules& rules, bool whole = true) {
        if (!ValidConvention(index)) {
            Tell(ReadNotice::ConventionOutOfRange, index, "");
            return false;
        }
        static_cast<ConventionRules&>(cfg_.Conventions[index]) = rules;
        if (recordType_ == kParametersLine) {
            cfg_.Conventions[index].Defined = true;
        } else {
            AwaitAngles(index, whole);
        }
        return true;
    }

    // A line cut short is not kept to be written back: read again elsewhere, it would take
    // the values (or the index) of what stands around it.
    void AwaitAngles(int index, bool whole = true) {
        if (index >= kAlwaysWrittenConventions) {
            awaiting_.push_back({index, recordType_, RecordLine(), RecordText(), whole});
        }
    }

    void ConventionParameters() {
        int i = 0;
        bool more = ReadConventionIndex(i);
        ConventionRules k = RulesOf(i);
        // The flags as written; only exactly 1 means true.
        int asr = k.AsrShafi ? 1 : 0, plus = k.IshaIsMaghribPlus ? 1 : 0, fixe = k.ZuhrFixe ? 1 : 0;
        more = more && ReadInt(asr) == Scan::Ok && ReadReal(k.FajrTwilightAngle) == Scan::Ok &&
               ReadReal(k.IshaTwilightAngle) == Scan::Ok &&
               ReadReal(k.SunriseSetAngle) == Scan::Ok && ReadInt(plus) == Scan::Ok &&
               ReadInt(k.IshaMaghribMinutes) == Scan::Ok && ReadInt(fixe) == Scan::Ok;
        if (more) {
            ReadReal(k.ZuhrHour);
        }
        Append(kParametersValues, i, asr, k.FajrTwilightAngle, k.IshaTwilightAngle,
               k.SunriseSetAngle, plus, k.IshaMaghribMinutes, fixe, k.ZuhrHour);
        k.AsrShafi = asr == 1;
        k.IshaIsMaghribPlus = plus == 1;
        k.ZuhrFixe = fixe == 1;
        StoreRules(i, k);
    }

    void MinuteCorrections() {
        int i = 0;
        bool more = ReadConventionIndex(i);
        ConventionRules k = RulesOf(i);
        double* fields[] = {&k.FajrOffset, &k.ChouroukOffset, &k.ZuhrOffset,
                            &k.AsrOffset,  &k.MaghribOffset,  &k.IshaOffset};
        for (double* f : fields) {
            more = more && ReadReal(*f) == Scan::Ok;
        }
        Append(kCorrectionsValues, i, k.FajrOffset, k.ChouroukOffset, k.ZuhrOffset, k.AsrOffset,
               k.MaghribOffset, k.IshaOffset);
        StoreRules(i, k, more);
    }

    void ConventionName() {
        int i = 0;
        const bool indexed = ReadConventionIndex(i);
        std::basic_string<Char> rest = ReadRestOfLine();
        bool valid = ValidConvention(i);
        std::basic_string<Char> name = valid ? cfg_.Conventions[i].Name : std::basic_string<Char>();
        if (!BetweenQuotes(rest, name)) {
            Tell(ReadNotice::NameWithoutQuotes, i, "");
        } else {
            if (name.size() > static_cast<std::size_t>(kMaxName)) {
                name.resize(kMaxName);
                Tell(ReadNotice::NameTooLong, i, Narrow(name.c_str()));
            }
            if (valid) {
                name.copy(cfg_.Conventions[i].Name, name.size());
                cfg_.Conventions[i].Name[name.size()] = 0;
            }
        }
        if (valid) {
            AwaitAngles(i, indexed);  // one without its index belongs to no place of its own
        } else {
            Tell(ReadNotice::ConventionOutOfRange, i, "");
        }
        Append(kNameIndex, i);
        out_ += name;
        Append("\"\n");
    }

    // The text between the first two double quotes of a line's rest; false without them.
    static bool BetweenQuotes(const std::basic_string<Char>& rest, std::basic_string<Char>& text) {
        std::size_t open = rest.find(Char('"'));
        std::size_t close = open == rest.npos ? rest.npos : rest.find(Char('"'), open + 1);
        if (close == rest.npos) {
            return false;
        }
        text = rest.substr(open + 1, close - open - 1);
        return true;
    }

    // A line 6 cut short would leave its rule unknown: unlike a mere value out of range,
    // that stops the reading as any unreadable record does.
    ReadResult HighLatitudeRuleLine() {
        int i = 0;
        bool read = ReadConventionIndex(i);
        ConventionRules k = RulesOf(i);
        int rule = k.HighLatitudeRule;
        read = read && ReadInt(rule) == Scan::Ok;
        Append(kHighLatitudeValues, i, rule);
        if (!read) {
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (rule < kNoHighLatitudeRule || rule > kLastHighLatitudeRule) {
            NoticeDetails d;
            d.index = i;
            d.rule = rule;
            Report(ReadNotice::RuleOutOfRange, d);
            Keep(kHighLatitudeLine, i);
            return kReadOk;
        }
        k.HighLatitudeRule = rule;
        if (!StoreRules(i, k)) {
            Keep(kHighLatitudeLine, i);
        }
        return kReadOk;
    }

    // Line 7, a convention's community settings. As for line 6, fields that cannot be read
    // stop the reading; a value out of range leaves the whole line unused.
    ReadResult CommunityLine() {
        int i = 0;
        bool read = ReadConventionIndex(i);
        ConventionRules k = RulesOf(i);
        int midnight = k.JafariMidnight ? 1 : 0;
        read = read && ReadReal(k.MaghribTwilightAngle) == Scan::Ok &&
               ReadInt(k.ImsakMinutes) == Scan::Ok && ReadInt(midnight) == Scan::Ok &&
               ReadInt(k.RamadanIshaMinutes) == Scan::Ok && ReadInt(k.SeasonalTwilight) == Scan::Ok;
        Append(kCommunityValues, i, k.MaghribTwilightAngle, k.ImsakMinutes, midnight,
               k.RamadanIshaMinutes, k.SeasonalTwilight);
        if (!read) {
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (KeptOutsideTable(i)) {
            return kReadOk;
        }
        if (OutOfRange("MaghribAngle", k.MaghribTwilightAngle, 0, kMaxMaghribAngle, i) ||
            OutOfRange("ImsakMinutes", k.ImsakMinutes, 0, kMaxImsakMinutes, i) ||
            OutOfRange("Midnight", midnight, 0, 1, i) ||
            OutOfRange("RamadanIshaMinutes", k.RamadanIshaMinutes, 0, kMaxRamadanIshaMinutes, i) ||
            OutOfRange("Seasonal", k.SeasonalTwilight, 0, kLastSeasonalTwilight, i)) {
            Keep(kCommunityLine, i);
            return kReadOk;
        }
        k.JafariMidnight = midnight == 1;
        StoreRules(i, k);
        cfg_.Conventions[i].CommunityLinePresent = true;
        community_[i] = {i, kCommunityLine, RecordLine(), RecordText(), true};
        return kReadOk;
    }

    // Line 11, how a convention rounds its shown times and its polar rule: read as line 7 is.
    ReadResult RoundingLine() {
        int i = 0;
        bool read = ReadConventionIndex(i);
        ConventionRules k = RulesOf(i);
        read = read && ReadInt(k.Rounding) == Scan::Ok && ReadInt(k.PolarRule) == Scan::Ok;
        Append(kRoundingValues, i, k.Rounding, k.PolarRule);
        if (!read) {
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (KeptOutsideTable(i)) {
            return kReadOk;
        }
        if (OutOfRange("Rounding", k.Rounding, 0, kLastRoundingRule, i) ||
            OutOfRange("Polar", k.PolarRule, 0, kLastPolarRule, i)) {
            Keep(kRoundingLine, i);
            return kReadOk;
        }
        StoreRules(i, k);
        cfg_.Conventions[i].RoundingLinePresent = true;
        return kReadOk;
    }

    // Line 12, whether a convention takes the Sun of 0h UT for the whole day: read as line 11.
    ReadResult DailySunLine() {
        int i = 0;
        bool read = ReadConventionIndex(i);
        ConventionRules k = RulesOf(i);
        int daily = k.DailySun ? 1 : 0;
        read = read && ReadInt(daily) == Scan::Ok;
        Append(kDailySunValues, i, daily);
        if (!read) {
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (KeptOutsideTable(i)) {
            return kReadOk;
        }
        if (OutOfRange("DailySun", daily, 0, 1, i)) {
            Keep(kDailySunLine, i);
            return kReadOk;
        }
        k.DailySun = daily == 1;
        StoreRules(i, k);
        cfg_.Conventions[i].DailySunLinePresent = true;
        return kReadOk;
    }

    // Line 9: whether the Hijri date shows, and its shift in days.
    ReadResult HijriLine() {
        int shown = cfg_.HijriShown ? 1 : 0;
        int adjustment = cfg_.HijriAdjustment;
        bool read = ReadInt(shown) == Scan::Ok && ReadInt(adjustment) == Scan::Ok;
        Append(kHijriValues, shown, adjustment);
        if (!read) {
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (OutOfRange("HijriShown", shown, 0, 1) ||
            OutOfRange("HijriAdjustment", adjustment, -kMaxHijriAdjustment, kMaxHijriAdjustment)) {
            Keep(kHijriLine, 0);
            return kReadOk;
        }
        cfg_.HijriShown = shown == 1;
        cfg_.HijriAdjustment = adjustment;
        cfg_.HijriLinePresent = true;
        return kReadOk;
    }

    // Line 10: the call, then the sound file between double quotes as a convention's name is.
    // The file is looked up beside the program: a path could reach any file of the machine.
    ReadResult CallLine() {
        int call = cfg_.Call;
        std::basic_string<Char> file = cfg_.SoundFile;
        bool read = ReadInt(call) == Scan::Ok && BetweenQuotes(ReadRestOfLine(), file);
        Append(kCallBeforeFile, call);
        out_ += file;
        Append("\"\n");
        if (!read) {
            return Stop(ReadNotice::FormatError, kReadFormatError);
        }
        if (OutOfRange("Call", call, kCallOff, kCallFile)) {
            Keep(kCallLine, 0);
            return kReadOk;
        }
        if (!PlainFileName(file)) {
            Tell(ReadNotice::SoundFileNotPlain, 0, Narrow(file.c_str()));
            Keep(kCallLine, 0);
            return kReadOk;
        }
        cfg_.Call = call;
        file.copy(cfg_.SoundFile, file.size());
        cfg_.SoundFile[file.size()] = 0;
        cfg_.CallLinePresent = true;
        return kReadOk;
    }

    static bool PlainFileName(const std::basic_string<Char>& file) {
        for (Char c : file) {
            if (c == '\\' || c == '/' || c == ':') {
                return false;
            }
        }
        return file.size() <= static_cast<std::size_t>(kMaxSoundFileLength);
    }

    // Tells and returns true when `value` lies outside [low, high] (NaN does too).
    template <class T>
    bool OutOfRange(const char* column, T value, double low, double high, int convention = -1) {
        if (value >= low && value <= high) {
            return false;
        }
        StringSink text;
        if constexpr (std::is_floating_point_v<T>) {
            Print(&text, "%g", value);
        } else {
            Print(&text, "%d", value);
        }
        NoticeDetails d;
        d.column = column;
        d.value = text.str();
        d.low = static_cast<int>(low);
        d.high = static_cast<int>(high);
        d.index = convention;
        d.ofConvention = convention >= 0;
        Report(ReadNotice::ValueOutOfRange, d);
        return true;
    }

    // ---- end of the file -------------------------------------------------------------

    ReadResult Finish() {
        // A convention above 8 is defined by its line 3, wherever it stands: its other lines
        // are judged at the end, and not used without it.
        for (const Awaiting& a : awaiting_) {
            if (!cfg_.Conventions[a.convention].Defined) {
                NoticeDetails d;
                d.index = a.convention;
                Report(ReadNotice::ConventionWithoutAngles, d, a.line, a.type);
                if (a.whole) {
                    cfg_.RefusedLines.push_back({a.type, a.convention, a.text});
                }
            }
        }
        for (int i = kAlwaysWrittenConventions; i < kConventionCount; ++i) {
            if (!cfg_.Conventions[i].Defined) {
                cfg_.Conventions[i] = BasicConvention<Char>();
            }
        }
        for (int i = 0; i < kConventionCount; ++i) {
            RefuseMaghribAfterIsha(i);
        }
        finished_ = true;
        // Towns may come before the lines that define their convention: checked at the end.
        // One out of the table was told at its line already.
        for (int t = 0; cfg_.TownTable != nullptr && t < cfg_.NumberOfTowns; ++t) {
            const BasicTown<Char>* town = cfg_.TownTable[t];
            if (town != nullptr && ValidConvention(town->Convention) &&
                !ConventionDefined(cfg_, town->Convention)) {
                Tell(ReadNotice::ConventionNotDefined, town->Convention, Narrow(town->Name));
            }
        }
        int stored = 0;
        for (int i = 0; cfg_.TownTable != nullptr && i < cfg_.NumberOfTowns; ++i) {
            stored += cfg_.TownTable[i] != nullptr;
        }
        if (townCount_ != cfg_.NumberOfTowns ||
            (cfg_.NumberOfTowns > 0 && stored != cfg_.NumberOfTowns)) {
            return Stop(ReadNotice::TownCountMismatch, kReadTownCountMismatch);
        }
        if (!cfg_.HasSelectedTown()) {
            return Stop(ReadNotice::SelectedTownOutOfRange, kReadSelectedOutOfRange);
        }
        ApplySelectedTown(cfg_);
        return kReadOk;
    }

    ReadResult Stop(ReadNotice notice, ReadResult result) {
        Tell(notice, 0, "");
        return result;
    }

    void Tell(ReadNotice notice, int index, std::string name, std::string zone = "") {
        NoticeDetails d;
        d.index = index;
        d.name = std::move(name);
        d.zone = std::move(zone);
        Report(notice, d);
    }

    // A Maghrib angle above an Isha angle puts Isha before Maghrib every day: the line 7
    // that says so is not used (never the convention's line 3, whose record is older).
    void RefuseMaghribAfterIsha(int i) {
        BasicConvention<Char>& k = cfg_.Conventions[i];
        if (!ConventionDefined(cfg_, i) || !k.CommunityLinePresent || k.IshaIsMaghribPlus ||
            !(k.MaghribTwilightAngle > k.IshaTwilightAngle)) {
            return;
        }
        NoticeDetails d;
        d.index = i;
        StringSink value, limit;
        Print(&value, "%g", k.MaghribTwilightAngle);
        Print(&limit, "%g", k.IshaTwilightAngle);
        d.value = value.str(), d.limit = limit.str();
        Report(ReadNotice::MaghribAfterIsha, d, community_[i].line, kCommunityLine);
        cfg_.RefusedLines.push_back({kCommunityLine, i, community_[i].text});
        const ConventionRules defaults;
        k.MaghribTwilightAngle = defaults.MaghribTwilightAngle;
        k.ImsakMinutes = defaults.ImsakMinutes;
        k.JafariMidnight = defaults.JafariMidnight;
        k.RamadanIshaMinutes = defaults.RamadanIshaMinutes;
        k.SeasonalTwilight = defaults.SeasonalTwilight;
        k.CommunityLinePresent = false;
    }

    // Every notice names the record's line and type; after the records, none unless given.
    void Report(ReadNotice notice, NoticeDetails& d, int line = 0, int type = 0) {
        d.line = line != 0 ? line : finished_ ? 0 : RecordLine();
        d.type = type != 0 ? type : finished_ ? 0 : recordType_;
        reporter_.Notice(notice, d);
    }

    // A line 4 to 7 of a convention above 8, used until the end shows it has no line 3.
    struct Awaiting {
        int convention;
        int type;
        int line;
        std::basic_string<Char> text;
        bool whole;
    };

    std::basic_string<Char> text_;
    std::size_t pos_ = 0;
    BasicAppConfig<Char>& cfg_;
    std::basic_string<Char>& out_;
    TownAllocator& allocator_;
    ReadReporter& reporter_;
    int townCount_ = 0;
    bool headerSeen_ = false;
    std::size_t recordStart_ = 0;  // where the current record's line type stands
    int recordType_ = 0;
    std::size_t counted_ = 0;  // text_ up to here has lineOfCounted_ - 1 line breaks
    int lineOfCounted_ = 1;
    std::vector<Awaiting> awaiting_;
    Awaiting community_[kConventionCount] = {};  // each convention's line 7 in use
    bool finished_ = false;
};

// The C heap, zero-filled.
class CHeap : public TownAllocator {
  public:
    void* Allocate(std::size_t bytes) override { return std::calloc(1, bytes); }
    void Release(void* memory) override { std::free(memory); }
};

}  // namespace

TownAllocator& HeapTownAllocator() {
    static CHeap heap;
    return heap;
}

template <class Char>
ReadResult ParseConfig(std::basic_string_view<Char> text, BasicAppConfig<Char>& cfg,
                       std::basic_string<Char>& transcription, TownAllocator& allocator,
                       ReadReporter& reporter) {
    return Parser<Char>(text, cfg, transcription, allocator, reporter).Run();
}

template <class Char>
void ReleaseTownTable(BasicAppConfig<Char>& cfg, TownAllocator& allocator) {
    if (cfg.TownTable != nullptr) {
        for (int i = 0; i < cfg.NumberOfTowns; ++i) {
            if (cfg.TownTable[i] != nullptr) {
                cfg.TownTable[i]->~BasicTown<Char>();
                allocator.Release(cfg.TownTable[i]);
            }
        }
        allocator.Release(cfg.TownTable);
    }
    cfg.TownTable = nullptr;
    cfg.NumberOfTowns = 0;
}

template ReadResult ParseConfig<char>(std::string_view, AppConfig&, std::string&, TownAllocator&,
                                      ReadReporter&);
template ReadResult ParseConfig<char16_t>(std::u16string_view, WideAppConfig&, std::u16string&,
                                          TownAllocator&, ReadReporter&);
template void ReleaseTownTable<char>(AppConfig&, TownAllocator&);
template void ReleaseTownTable<char16_t>(WideAppConfig&, TownAllocator&);

}  // namespace veloranth
