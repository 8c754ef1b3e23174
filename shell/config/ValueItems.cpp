#include "shell/config/ValueItems.h"

namespace fr {
namespace {

class QuotedListReader {
public:
    explicit QuotedListReader(std::string_view value) : value_(value) {}

    bool atEnd() const { return position_ >= value_.size(); }

    std::string nextItem() {
        skipSpaces();
        std::string item = peek() == '"' ? quotedItem() : bareItem();
        skipSpaces();
        if (peek() == ',')
            ++position_;
        return item;
    }

private:
    char peek() const { return atEnd() ? '\0' : value_[position_]; }

    void skipSpaces() {
        while (peek() == ' ')
            ++position_;
    }

    std::string quotedItem() {
        std::string item;
        ++position_; // the opening quote
        while (!atEnd()) {
            const char c = value_[position_++];
            if (c != '"') {
                item += c;
            } else if (peek() == '"') {
                item += '"';
                ++position_;
            } else {
                break;
            }
        }
        return item;
    }

    std::string bareItem() {
        const std::size_t start = position_;
        while (!atEnd() && peek() != ' ' && peek() != ',')
            ++position_;
        return std::string(value_.substr(start, position_ - start));
    }

    std::string_view value_;
    std::size_t position_ = 0;
};

std::vector<std::string> splitAtCommas(std::string_view value) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = value.find(',', start);
        items.emplace_back(value.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return items;
        start = comma + 1;
    }
}

bool isQuoted(std::string_view value) {
    return !value.empty() && value.front() == '"';
}

} // namespace

std::vector<std::string> splitItems(std::string_view value) {
    if (value.empty())
        return {};
    if (!isQuoted(value))
        return splitAtCommas(value);
    std::vector<std::string> items;
    QuotedListReader reader(value);
    while (!reader.atEnd())
        items.push_back(reader.nextItem());
    return items;
}

std::string wholeItem(std::string_view value) {
    if (!isQuoted(value))
        return std::string(value);
    return QuotedListReader(value).nextItem();
}

} // namespace fr
