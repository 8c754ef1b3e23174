#pragma once

#include "engine/state/StartupConfig.h"
#include "shell/config/CharsetTables.h"

#include <string_view>

namespace fr {

/// ZOQCOLSEQ: the whole value is the collating list (see ranksFromList); empty restores the
/// order by code; WINDOWS, in any case, lists the set's characters in the order of the
/// current locale's strcoll.
void applyCollatingOrder(std::string_view value, CharsetTables& tables, Collation& collation);

/// ZOQDIGRAPH: items of groups of three characters, a comma allowed after each group, at
/// most 16 groups; the first empty item ends the list, so an empty value clears it.
void applyDigraphs(std::string_view value, Collation& collation);

/// ZOQCASE: empty restores the default table. Otherwise the classes of 80h-FFh are cleared
/// and pairs entered from two items of equal, non-zero length (cut to 128), or, for WINDOWS,
/// a missing or empty item or unequal lengths, from the set's own letters. Only characters
/// at or above 80h that are whole characters of the set are paired.
void applyCaseTable(std::string_view value, CharsetTables& tables, CaseTable& table);

/// ZOQBUTTON: item k replaces caption k; an empty item leaves its caption.
void applyButtonCaptions(std::string_view value,
                         std::array<std::string, StartupConfig::buttonCount>& captions);

/// ZOQMSG<number>: the value as one item becomes the text of that error code when it is not
/// empty; a number that fits no error code is ignored.
void applyReplacementText(std::string_view name, std::string_view value,
                          std::map<std::int32_t, std::string>& texts);

} // namespace fr
