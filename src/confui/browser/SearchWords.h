#pragma once

// The words a settings search compares: texts of all five languages and
// configuration keys cut into words, folded so that case and the accents of
// the Latin alphabets do not matter ("Grün" and "grun" are the same word).

#include <string>
#include <string_view>
#include <vector>

namespace morva::confui {

// The words of a UTF-8 text, folded: ASCII letters lower-cased, letters of
// the Latin-1 range without their accents ("ß" becomes "ss", "Æ" "ae"), other
// non-ASCII characters kept as they are. Anything but a letter or digit
// separates words; "&" access-key marks are dropped first ("&Datei" is
// "datei").
std::vector<std::string> searchWords(std::string_view text);

// The words of a CamelCase key ("InboundGreyListMinTime": inbound, grey, list,
// min, time; "InboundBlockSPFNDRTyp": inbound, block, spfndr, typ), folded.
std::vector<std::string> keyWords(std::string_view key);

// `key` folded as one word: "inboundgreylistmintime".
std::string foldedKey(std::string_view key);

} // namespace morva::confui
