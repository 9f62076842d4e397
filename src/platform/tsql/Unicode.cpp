#include "tsql/Unicode.h"

namespace tsql {

namespace {

constexpr char32_t replacement = 0xFFFD;

bool continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool inRange(char32_t c, char32_t first, char32_t last) { return c >= first && c <= last; }

// Latin Extended-A pairs its letters upper then lower, except two runs that pair them lower then upper.
bool upperFirstPairs(char32_t c)
{
    return inRange(c, 0x100, 0x12F) || inRange(c, 0x132, 0x137) || inRange(c, 0x14A, 0x177);
}
bool lowerFirstPairs(char32_t c) { return inRange(c, 0x139, 0x148) || inRange(c, 0x179, 0x17E); }

// The plain letter of each character from U+00C0 to U+017F ('.' for × and ÷, '[' for Þ and þ).
constexpr std::string_view plainLetters = "AAAAAAACEEEEIIIIDNOOOOO.OUUUUY[S"
                                          "AAAAAAACEEEEIIIIDNOOOOO.OUUUUY[Y"
                                          "AAAAAACCCCCCCCDDDDEEEEEEEEEEGGGG"
                                          "GGGGHHHHIIIIIIIIIIIIJJKKKLLLLLLL"
                                          "LLLNNNNNNNNNOOOOOOOORRRRRRSSSSSS"
                                          "SSTTTTTTUUUUUUUUUUUUWWYYYZZZZZZS";

template <char32_t (*map)(char32_t)>
std::string mapped(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();)
        appendUtf8(out, map(decodeUtf8(utf8, pos)));
    return out;
}

}  // namespace

char32_t decodeUtf8(std::string_view text, std::size_t& pos)
{
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char first = byte(pos);
    int length = first < 0x80 ? 1 : first >= 0xF0 ? 4 : first >= 0xE0 ? 3 : first >= 0xC2 ? 2 : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return first < 0x80 ? first : replacement;
    }
    char32_t c = length == 1 ? first : first & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if (!continuation(byte(pos + i))) {
            ++pos;
            return replacement;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    pos += length;
    return c;
}

void appendUtf8(std::string& out, char32_t c)
{
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

char32_t upperCase(char32_t c)
{
    if (inRange(c, 'a', 'z'))
        return c - 0x20;
    if (c < 0xE0)
        return c;
    if (inRange(c, 0xE0, 0xFE) && c != 0xF7)
        return c - 0x20;
    if (c == 0xFF)
        return 0x178;
    if ((upperFirstPairs(c) && c % 2 == 1) || (lowerFirstPairs(c) && c % 2 == 0))
        return c - 1;
    if (inRange(c, 0x3B1, 0x3C9) && c != 0x3C2)  // Greek
        return c - 0x20;
    if (inRange(c, 0x430, 0x44F))  // Cyrillic
        return c - 0x20;
    if (inRange(c, 0x450, 0x45F))
        return c - 0x50;
    return c;
}

char32_t lowerCase(char32_t c)
{
    if (inRange(c, 'A', 'Z'))
        return c + 0x20;
    if (c < 0xC0)
        return c;
    if (inRange(c, 0xC0, 0xDE) && c != 0xD7)
        return c + 0x20;
    if (c == 0x178)
        return 0xFF;
    if ((upperFirstPairs(c) && c % 2 == 0) || (lowerFirstPairs(c) && c % 2 == 1))
        return c + 1;
    if (inRange(c, 0x391, 0x3A9) && c != 0x3A2)
        return c + 0x20;
    if (inRange(c, 0x410, 0x42F))
        return c + 0x20;
    if (inRange(c, 0x400, 0x40F))
        return c + 0x50;
    return c;
}

char plainLetter(char32_t c)
{
    if (!inRange(c, 0xC0, 0x17F))
        return 0;
    char letter = plainLetters[c - 0xC0];
    return letter == '.' ? 0 : letter;
}

std::string upperText(std::string_view utf8) { return mapped<upperCase>(utf8); }

std::string lowerText(std::string_view utf8) { return mapped<lowerCase>(utf8); }

}  // namespace tsql
