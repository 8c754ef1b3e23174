#include "shell/config/CharsetTables.h"

namespace fr {

bool CharsetTables::isWholeCharacter(std::uint8_t byte) {
    if (!wholeCharacters_) {
        std::array<bool, 256> whole{};
        for (int c = 0; c < 256; ++c) {
            const char b = static_cast<char>(c);
            const auto decoded = charset_.decode(std::string_view(&b, 1));
            whole[c] = decoded && decoded->size() == 1;
        }
        wholeCharacters_ = whole;
    }
    return (*wholeCharacters_)[byte];
}

const std::vector<std::pair<std::uint8_t, std::uint8_t>>& CharsetTables::casePairs() {
    if (!casePairs_)
        casePairs_ = charset_.singleByteCasePairs();
    return *casePairs_;
}

} // namespace fr
