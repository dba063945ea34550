// The file dialogs of the game records: each asks the player for a file and returns when the
// dialog has been closed, with the file chosen or with nothing when it was cancelled.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace narabe {

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // A record to open.
    virtual std::optional<std::filesystem::path> recordToOpen() = 0;
    // Where to save a record; `name` is the file name proposed.
    virtual std::optional<std::filesystem::path> recordToSave(std::string_view name) = 0;
};

} // namespace narabe
