// The characters of texts as the collation and the text functions see them: UTF-8 decoded to code
// points, letters of the Latin, Greek and Cyrillic alphabets in upper and lower case, and the plain
// letter under an accented Latin one (È is an E with an accent).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tsql {

// The code point at `pos`, advancing past it; a byte that starts no valid sequence reads as U+FFFD.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t c);

char32_t upperCase(char32_t c);
char32_t lowerCase(char32_t c);

// For an upper-case Latin letter with an accent (À to ſ), its plain letter 'A' to 'Z', or '[' for Þ,
// which sorts after Z; 0 for any other character.
char plainLetter(char32_t c);

// The whole text in upper or lower case, as UPPER and LOWER give it.
std::string upperText(std::string_view utf8);
std::string lowerText(std::string_view utf8);

}  // namespace tsql
