#include "common/Translation.h"

#include <cerrno>
#include <cstring>

namespace vornax {
namespace {

Translator& translatorInForce()
{
    static Translator translator;
    return translator;
}

}  // namespace

void setTranslator(Translator translator) { translatorInForce() = std::move(translator); }

Text& Text::arg(std::string_view value) &
{
    args_.emplace_back(value);
    return *this;
}

Text&& Text::arg(std::string_view value) &&
{
    args_.emplace_back(value);
    return std::move(*this);
}

std::string Text::str() const
{
    const Translator& translate = translatorInForce();
    const std::string words = translate ? translate(context_, source_) : std::string(source_);
    return fillPlaces(words, args_);
}

std::string systemErrorText(int code)
{
    switch (code) {
    case ENOENT: return tx("System", "no such file or folder");
    case EACCES:
    case EPERM: return tx("System", "permission denied");
    case ENOSPC: return tx("System", "no space left on the disk");
    case EROFS: return tx("System", "the disk is read-only");
    case EISDIR: return tx("System", "this is a folder");
    case ENOTDIR: return tx("System", "a part of the path is not a folder");
    case EDQUOT: return tx("System", "disk quota exceeded");
    case ENAMETOOLONG: return tx("System", "the name is too long");
    case EIO: return tx("System", "input/output error");
    default: return std::strerror(code);
    }
}

std::string fillPlaces(std::string_view pattern, const std::vector<std::string>& args)
{
    // One pass, so an argument that itself holds "%2" is never filled again.
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size()) {
                out += args[index];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace vornax
