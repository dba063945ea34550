// Opening files by path with the C library, where paths may be wide (Windows), and closing
// them when their handle goes out of scope. The settings file and the sound module use it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace narabe {

inline std::FILE* openFile(const std::filesystem::path& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wide(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wide.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

struct FileCloser {
    void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};

// A file closed when the handle goes out of scope.
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

} // namespace narabe
