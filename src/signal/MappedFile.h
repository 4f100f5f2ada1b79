// A whole file mapped read-only into memory: the recordings are read at
// random positions and a 60-second one is 2.6 MB, so mapping spares the copy.
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <string_view>

namespace vornax {

class MappedFile {
public:
    // Maps the file; a failure names it. An empty file maps to no bytes.
    static Result<MappedFile> open(const std::filesystem::path& path);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view bytes() const { return {static_cast<const char*>(data_), size_}; }

private:
    MappedFile(void* data, std::size_t size) : data_(data), size_(size) {}
    void* data_ = nullptr;
    std::size_t size_ = 0;
};

}  // namespace vornax
