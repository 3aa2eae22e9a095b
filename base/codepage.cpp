// Windows-1252 as Windows maps it: 0x80-0x9F hold typographic characters, the five
// unassigned bytes map to the C1 controls of the same value so that every byte survives
// a round trip.
#include "base/codepage.h"

namespace veloranth {

namespace {

const char16_t kHighHalf[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char16_t FromByte(unsigned char b) {
    return (b >= 0x80 && b < 0xA0) ? kHighHalf[b - 0x80] : static_cast<char16_t>(b);
}

char ToByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighHalf[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u16string Cp1252ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) {
        out += FromByte(static_cast<unsigned char>(c));
    }
    return out;
}

std::string Utf16ToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        out += ToByte(c);
    }
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        AppendUtf8(out, FromByte(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;  // a lone surrogate
        }
        AppendUtf8(out, c);
    }
    return out;
}

namespace {

// The code point of the well-formed UTF-8 sequence at text[i], and its length in `length`;
// false for an ill-formed one, with `length` the bytes of its maximal subpart (at least 1):
// overlong forms, surrogates, values beyond U+10FFFF and cut sequences are ill-formed.
bool DecodeUtf8(std::string_view text, std::size_t i, char32_t& c, std::size_t& length) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    length = 1;
    if (b < 0x80) {
        c = b;
        return true;
    }
    int extra = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (b >= 0xC2 && b <= 0xDF) {
        extra = 1;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2;
        low = b == 0xE0 ? 0xA0 : 0x80;  // no overlong form
        high = b == 0xED ? 0x9F : 0xBF;  // no surrogate
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3;
        low = b == 0xF0 ? 0x90 : 0x80;
        high = b == 0xF4 ? 0x8F : 0xBF;  // nothing beyond U+10FFFF
    } else {
        return false;  // a continuation byte, C0, C1 or F5..FF
    }
    c = b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        if (i + k >= text.size()) {
            return false;
        }
        const unsigned char n = static_cast<unsigned char>(text[i + k]);
        if (n < (k == 1 ? low : 0x80) || n > (k == 1 ? high : 0xBF)) {
            return false;
        }
        c = (c << 6) | (n & 0x3F);
        length = k + 1;
    }
    return true;
}

void AppendUtf16(std::u16string& out, char32_t c) {
    if (c >= 0x10000) {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    } else {
        out += static_cast<char16_t>(c);
    }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        char32_t c = 0;
        AppendUtf16(out, DecodeUtf8(text, i, c, length) ? c : 0xFFFD);
    }
    return out;
}

bool Utf8PathToUtf16(std::string_view path, std::u16string& out) {
    out.clear();
    for (std::size_t i = 0, length = 0; i < path.size(); i += length) {
        char32_t c = 0;
        if (!DecodeUtf8(path, i, c, length)) {
            return false;
        }
        AppendUtf16(out, c);
    }
    return true;
}

namespace {

// Windows-1252 letters of 0xC0..0xFF without their accents, lower case ('*' for the
// signs and the letters handled apart).
const char kUnaccented[] =
    "aaaaaa*ceeeeiiiidnooooo*ouuuuyts"
    "aaaaaa*ceeeeiiiidnooooo*ouuuuyty";

}  // namespace

std::string FoldForLookup(std::string_view cp1252) {
    std::string out;
    for (char ch : cp1252) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (c >= 'A' && c <= 'Z') {
            out += static_cast<char>(c - 'A' + 'a');
        } else if (c == '-' || c == '_') {
            out += ' ';
        } else if (c == 0xC6 || c == 0xE6) {
            out += "ae";
        } else if (c == 0x8C || c == 0x9C) {
            out += "oe";
        } else if (c == 0x8A || c == 0x9A) {
            out += 's';
        } else if (c == 0x8E || c == 0x9E) {
            out += 'z';
        } else if (c == 0x9F) {
            out += 'y';
        } else if (c >= 0xC0 && kUnaccented[c - 0xC0] != '*') {
            out += kUnaccented[c - 0xC0];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

}  // namespace veloranth
