#include "cli/PrintableText.h"

namespace morva::cli {

std::string printable(std::string text)
{
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = '?';
    }
    return text;
}

} // namespace morva::cli
