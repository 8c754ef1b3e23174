#include "shell/config/EnvironmentKeys.h"
#include "shell/config/KeyAppliers.h"
#include "shell/config/ValueItems.h"

namespace fr {

void applyButtonCaptions(std::string_view value,
                         std::array<std::string, StartupConfig::buttonCount>& captions) {
    const auto items = splitItems(value);
    for (std::size_t k = 0; k < items.size() && k < captions.size(); ++k)
        if (!items[k].empty())
            captions[k] = items[k];
}

void applyReplacementText(std::string_view name, std::string_view value,
                          std::map<std::int32_t, std::string>& texts) {
    const auto number = messageNumber(name);
    std::string text = wholeItem(value);
    if (number && !text.empty())
        texts[*number] = std::move(text);
}

} // namespace fr
