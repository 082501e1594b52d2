#pragma once
// The models' texts are UTF-8; the platform's text boxes hold UTF-16 and count their length limit
// in its units. A character beyond U+FFFF takes two units, a high and a low half (a surrogate
// pair), and a keyboard delivers it as two keystrokes, one half each.
#include <cstddef>
#include <string>
#include <string_view>

namespace brisko::controls {

// Appends the UTF-8 form of the character `c`.
void AppendUtf8(std::string& out, char32_t c);

// The characters of `units` in UTF-8. A half without its partner is no character: it is the
// first of the two keystrokes, or what a length limit or a paste cut off, and it is left out
// rather than turned into a replacement character.
std::string WholeCharacters(std::u16string_view units);

// The longest head of `utf8` that takes at most `limit` UTF-16 units, cut before a character's
// first byte, so that a limit never splits a character.
std::string_view HeadWithin(std::string_view utf8, std::size_t limit);

}  // namespace brisko::controls
