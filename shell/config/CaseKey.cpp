#include "shell/config/EnvironmentKeys.h"
#include "shell/config/KeyAppliers.h"
#include "shell/config/ValueItems.h"

#include <algorithm>

namespace fr {
namespace {

constexpr std::size_t maxCaseListLength = 128;

bool hasOwnLists(std::string_view value, const std::vector<std::string>& items) {
    return !sameIgnoringCase(value, "WINDOWS") && items.size() >= 2 && !items[0].empty() &&
           items[0].size() == items[1].size();
}

} // namespace

void applyCaseTable(std::string_view value, CharsetTables& tables, CaseTable& table) {
    if (value.empty()) {
        table = CaseTable();
        return;
    }
    table.clearUpperHalf();
    const auto items = splitItems(value);
    if (!hasOwnLists(value, items)) {
        for (const auto& [upper, lower] : tables.casePairs())
            table.pair(upper, lower);
        return;
    }
    const std::size_t length = std::min(items[0].size(), maxCaseListLength);
    for (std::size_t i = 0; i < length; ++i) {
        const auto upper = static_cast<std::uint8_t>(items[0][i]);
        const auto lower = static_cast<std::uint8_t>(items[1][i]);
        // A byte that is only part of a character (as every byte from 80h is in UTF-8) must
        // not be paired, or upper-casing would change the middle of other characters.
        if (tables.isWholeCharacter(upper) && tables.isWholeCharacter(lower))
            table.pair(upper, lower);
    }
}

} // namespace fr
