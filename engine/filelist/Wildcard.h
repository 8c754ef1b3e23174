#pragma once

#include <string>
#include <string_view>

namespace fr {

/// A file-name pattern with the wildcards "*" (any run of characters) and "?" (one
/// character; a UTF-8 sequence counts as one). Letters match without regard to ASCII
/// case, and a pattern ending in ".*" also matches names without a point, so "*.*"
/// selects every name.
class WildcardPattern {
public:
    explicit WildcardPattern(std::string_view pattern);

    bool match(std::string_view name) const;
    /// True when the pattern has neither "*" nor "?" and so names a single file.
    bool isLiteral() const { return literal_; }

private:
    std::string pattern_;
    bool literal_;
};

} // namespace fr
