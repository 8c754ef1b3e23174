#include "engine/text/Charset.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>
#include <stdexcept>
#include <wctype.h>

namespace fr {
namespace {

// UCS-4 in host order, as glibc's wchar_t holds it.
constexpr const char* unicodeName = "WCHAR_T";
static_assert(sizeof(wchar_t) == sizeof(char32_t));

class IconvHandle {
public:
    IconvHandle(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~IconvHandle() {
        if (valid())
            iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

/// The Unicode classification of glibc's C.UTF-8 locale, which every Debian system has.
locale_t unicodeCtype() {
    static locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    return locale;
}

} // namespace

std::optional<std::string> convertCharset(std::string_view bytes, const std::string& from,
                                          const std::string& to) {
    IconvHandle cd(to, from);
    if (!cd.valid())
        throw std::runtime_error("iconv cannot convert from " + from + " to " + to);
    std::string out(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1))
            continue;
        if (errno != E2BIG)
            return std::nullopt;
        const std::size_t used = out.size() - outLeft;
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = out.size() - used;
    }
    // A conversion with shift states would need a final flush; none of ours has any.
    out.resize(out.size() - outLeft);
    return out;
}

Charset Charset::fromLocale() { return Charset(nl_langinfo(CODESET)); }

Charset::Charset(std::string name) : name_(std::move(name)) {}

bool Charset::isUtf8() const { return strcasecmp(name_.c_str(), "UTF-8") == 0; }

std::optional<std::u32string> Charset::decode(std::string_view bytes) const {
    auto wide = convertCharset(bytes, name_, unicodeName);
    if (!wide)
        return std::nullopt;
    std::u32string text(wide->size() / sizeof(char32_t), U'\0');
    std::memcpy(text.data(), wide->data(), text.size() * sizeof(char32_t));
    return text;
}

std::optional<std::string> Charset::encode(std::u32string_view text) const {
    std::string_view raw(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char32_t));
    return convertCharset(raw, unicodeName, name_);
}

std::optional<std::string> Charset::fromOem(std::string_view oemBytes) const {
    return convertCharset(oemBytes, std::string(oemName), name_);
}

std::vector<std::pair<std::uint8_t, std::uint8_t>> Charset::singleByteCasePairs() const {
    std::vector<std::pair<std::uint8_t, std::uint8_t>> pairs;
    for (int c = 0; c < 256; ++c) {
        const char byte = static_cast<char>(c);
        const auto decoded = decode(std::string_view(&byte, 1));
        if (!decoded || decoded->size() != 1)
            continue;
        const auto ch = static_cast<wint_t>((*decoded)[0]);
        if (!iswalpha_l(ch, unicodeCtype()) || !iswupper_l(ch, unicodeCtype()))
            continue;
        const auto lower = encode(std::u32string(1, static_cast<char32_t>(towlower_l(ch, unicodeCtype()))));
        if (lower && lower->size() == 1)
            pairs.emplace_back(static_cast<std::uint8_t>(c), static_cast<std::uint8_t>((*lower)[0]));
    }
    return pairs;
}

} // namespace fr
