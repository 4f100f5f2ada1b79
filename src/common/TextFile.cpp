#include "common/TextFile.h"

#include "common/Translation.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <unistd.h>

namespace vornax {
namespace fs = std::filesystem;

Result<std::string> readFileBytes(const fs::path& path, std::uintmax_t maxBytes)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return Failure{tx("TextFile", "\"%1\" is a folder, not a file").arg(path.string())};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Failure{tx("TextFile", "cannot open \"%1\": %2").arg(path.string()).arg(systemErrorText(errno))};
    in.seekg(0, std::ios::end);
    const auto size = static_cast<std::uintmax_t>(std::max<std::streamoff>(in.tellg(), 0));
    if (size > maxBytes)
        return Failure{tx("TextFile", "\"%1\" is too large (%2 bytes)").arg(path.string()).arg(std::to_string(size))};
    in.seekg(0, std::ios::beg);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<std::uintmax_t>(in.gcount()) != size)
        return Failure{tx("TextFile", "cannot read \"%1\"").arg(path.string())};
    return bytes;
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        int extra = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= bytes.size())
            return false;
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((extra == 1 && cp < 0x80) || (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned ones map to themselves.
constexpr char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string decodeText(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else if (c < 0xA0)
            appendUtf8(out, kCp1252High[c - 0x80]);
        else
            appendUtf8(out, c);
    }
    return out;
}

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r')
            --stop;
        lines.emplace_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

Result<std::vector<std::string>> readTextLines(const fs::path& path, std::uintmax_t maxBytes)
{
    auto bytes = readFileBytes(path, maxBytes);
    if (!bytes)
        return Failure{bytes.error()};
    return splitLines(decodeText(*bytes));
}

TextWriter& TextWriter::line(std::string_view text)
{
    bytes_ += text;
    bytes_ += "\r\n";
    return *this;
}

Status writeFileAtomically(const fs::path& target, std::string_view bytes)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::random_device rd;
    const fs::path temp = folder / ("." + target.filename().string() + ".tmp" + std::to_string(rd() % 1000000));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return Failure{tx("TextFile", "cannot write in \"%1\": %2").arg(folder.string()).arg(systemErrorText(errno))};
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const std::string why = systemErrorText(errno);
            ::close(fd);
            ::unlink(temp.c_str());
            return Failure{tx("TextFile", "cannot write \"%1\": %2").arg(target.string()).arg(why)};
        }
        written += static_cast<std::size_t>(n);
    }
    // The descriptor is closed whether or not the flush worked.
    const int synced = ::fsync(fd) == 0 ? 0 : errno;
    const int closed = ::close(fd) == 0 ? 0 : errno;
    if (synced != 0 || closed != 0) {
        const std::string why = systemErrorText(synced != 0 ? synced : closed);
        ::unlink(temp.c_str());
        return Failure{tx("TextFile", "cannot write \"%1\": %2").arg(target.string()).arg(why)};
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const std::string why = systemErrorText(errno);
        ::unlink(temp.c_str());
        return Failure{tx("TextFile", "cannot replace \"%1\": %2").arg(target.string()).arg(why)};
    }
    return success();
}

bool samePath(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec))
        return fs::equivalent(a, b, ec);
    return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

}  // namespace vornax
