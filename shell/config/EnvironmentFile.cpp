#include "shell/config/EnvironmentFile.h"

#include "shell/config/CharsetTables.h"
#include "shell/config/EntryReader.h"
#include "shell/config/EnvironmentKeys.h"
#include "shell/config/KeyAppliers.h"
#include "shell/config/ValueItems.h"

namespace fr {
namespace {

class EntryApplier {
public:
    EntryApplier(const Charset& charset, StartupConfig& config)
        : tables_(charset), config_(config) {}

    void apply(const EnvironmentEntry& entry) {
        const EnvironmentKey key = keyOf(entry.name);
        if (key == EnvironmentKey::None)
            return;
        if (!oemValues_) {
            applyKey(key, entry.name, entry.value);
            return;
        }
        if (const auto converted = tables_.charset().fromOem(entry.value))
            applyKey(key, entry.name, *converted);
    }

private:
    void applyKey(EnvironmentKey key, std::string_view name, std::string_view value) {
        switch (key) {
        case EnvironmentKey::Charset:
            oemValues_ = sameIgnoringCase(wholeItem(value), "OEM");
            break;
        case EnvironmentKey::CollatingOrder:
            applyCollatingOrder(value, tables_, config_.collation);
            break;
        case EnvironmentKey::Case:
            applyCaseTable(value, tables_, config_.caseTable);
            break;
        case EnvironmentKey::Digraph:
            applyDigraphs(value, config_.collation);
            break;
        case EnvironmentKey::Button:
            applyButtonCaptions(value, config_.buttonCaptions);
            break;
        case EnvironmentKey::Message:
            applyReplacementText(name, value, config_.replacementTexts);
            break;
        case EnvironmentKey::Month:
            config_.monthNames = splitItems(value);
            break;
        case EnvironmentKey::ShortMonth:
            config_.shortMonthNames = splitItems(value);
            break;
        case EnvironmentKey::AmPm:
            config_.amPmTexts = splitItems(value);
            break;
        case EnvironmentKey::LongFileNames:
            config_.longFileNames = splitItems(value);
            break;
        case EnvironmentKey::None:
            break;
        }
    }

    CharsetTables tables_;
    StartupConfig& config_;
    bool oemValues_ = false;
};

} // namespace

void applyEnvironmentFile(std::string_view bytes, const Charset& charset, StartupConfig& config) {
    EntryApplier applier(charset, config);
    EntryReader reader(bytes);
    while (const auto entry = reader.next())
        applier.apply(*entry);
}

} // namespace fr
