// The temporary folders, file helpers and recording fakes of the settings file tests.
#include "settings/settings_fixture.h"

#include "game/menu_tree.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <system_error>

namespace narabe::test {

TempFolder::TempFolder(const std::filesystem::path& base) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate =
            base / ("narabe-settings-" + std::to_string(random()) + "-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            dir_ = std::move(candidate);
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made");
}

TempFolder::~TempFolder() {
    // A test may have made folders read-only; give back the rights before removing them.
    const auto giveBack = [](const std::filesystem::path& folder) {
        std::error_code error;
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, error);
    };
    std::error_code error;
    giveBack(dir_);
    for (std::filesystem::recursive_directory_iterator it(dir_, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (it->is_directory(ignored) && !it->is_symlink(ignored)) giveBack(it->path());
    }
    std::filesystem::remove_all(dir_, error);
}

std::vector<std::string> TempFolder::names() const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_))
        result.push_back(entry.path().lexically_relative(dir_).string());
    std::sort(result.begin(), result.end());
    return result;
}

std::optional<std::string> fileBytes(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void putFileBytes(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void RecordingMenu::setChecked(CheckItem item, bool on) {
    marks_[slotOf(item)] = on;
    if (quiet_) return;
    log_.push_back("check " + std::string(controlOf(item)) + (on ? " 1" : " 0"));
    fileAtCheck.push_back(fileBytes(watched_));
    if (afterCheck) afterCheck();
}

void RecordingMenu::preset(CheckItem item, bool on) {
    quiet_ = true;
    switch (item) {
    case CheckItem::MOVE_NUMBERS:
        options.setMoveNumbers(on);
        break;
    case CheckItem::MUSIC:
        options.setMusic(on);
        break;
    case CheckItem::BEGINNER:
        if (on) options.setLevel(Level::BEGINNER);
        break;
    case CheckItem::INTERMEDIATE:
        if (on) options.setLevel(Level::INTERMEDIATE);
        break;
    case CheckItem::ADVANCED:
        if (on) options.setLevel(Level::ADVANCED);
        break;
    case CheckItem::BARRED_MARKS:
        options.setBarredMarks(on);
        break;
    case CheckItem::SOUND_EFFECTS:
        options.setSoundEffects(on);
        break;
    }
    quiet_ = false;
}

} // namespace narabe::test
