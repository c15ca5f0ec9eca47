#include <string>

#include "output/form_writer.h"

namespace trevalunda {

std::string WithoutControlCharacters(std::string_view text) {
    std::string plain(text);
    for (char& c : plain) {
        if (static_cast<unsigned char>(c) < 0x20 || c == '\x7F') {
            c = '?';
        }
    }
    return plain;
}

}  // namespace trevalunda
