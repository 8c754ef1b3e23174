#include "shell/config/CollatingOrder.h"
#include "shell/config/EnvironmentKeys.h"
#include "shell/config/KeyAppliers.h"
#include "shell/config/ValueItems.h"

#include <cstring>

namespace fr {

void applyCollatingOrder(std::string_view value, CharsetTables& tables, Collation& collation) {
    const std::string list = wholeItem(value);
    if (sameIgnoringCase(list, "WINDOWS"))
        collation.rank = ranksFromList(systemCollatingList(tables, std::strcoll));
    else
        collation.rank = ranksFromList(list);
}

void applyDigraphs(std::string_view value, Collation& collation) {
    collation.digraphs.clear();
    for (const std::string& item : splitItems(value)) {
        if (item.empty())
            return;
        for (std::size_t i = 0; i + 3 <= item.size();) {
            if (collation.digraphs.size() == Collation::maxDigraphs)
                return;
            const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(item[k]); };
            collation.digraphs.push_back({byte(i), byte(i + 1), byte(i + 2)});
            i += 3;
            if (i < item.size() && item[i] == ',')
                ++i;
        }
    }
}

} // namespace fr
