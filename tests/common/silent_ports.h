// Stand-ins for the desktop that answer at once, for driving the game's handlers
// in-process: message boxes are closed with OK and remembered, pauses are added up instead
// of slept, the menu keeps its two check marks, the sound library plays nothing.
#pragma once

#include "common/fake_sound_library.h"
#include "game/game_controller.h"

#include <array>
#include <string>
#include <vector>

namespace narabe::test {

struct SilentPorts final : Surface,
                           MessageBoxes,
                           MenuChecks,
                           Clock,
                           Browser,
                           WindowFrame,
                           Program,
                           AboutDialog,
                           FileDialogs {
    void copyPicture(Picture, double, double) override {}
    void fillRect(double, double, double, double, Colour) override {}
    void drawText(double, double, int, Colour, std::string_view) override {}
    void fillCircle(double, double, double, Colour) override {}
    void refresh() override {}
    void message(std::string_view, std::string_view text) override { messages.emplace_back(text); }
    void warning(std::string_view, std::string_view text) override { messages.emplace_back(text); }
    bool checked(CheckItem item) const { return checks[slotOf(item)]; }
    void setChecked(CheckItem item, bool on) override { checks[slotOf(item)] = on; }
    void wait(double seconds) override { waited += seconds; }
    Time after(double) override { return Time::max(); }
    void waitUntil(Time, double seconds) override { waited += seconds; }
    bool open(std::string_view) override { return true; }
    void place(double, double, double, double) override {}
    void end() override { ended = true; }
    void showModal() override { aboutShown = true; }
    void unload() override { aboutShown = false; }
    std::optional<std::filesystem::path> recordToOpen() override { return std::nullopt; }
    std::optional<std::filesystem::path> recordToSave(std::string_view) override {
        return std::nullopt;
    }

    Ports ports() {
        return Ports{.surface = *this,
                     .boxes = *this,
                     .menu = *this,
                     .sound = sound,
                     .clock = *this,
                     .browser = *this,
                     .frame = *this,
                     .program = *this,
                     .about = *this,
                     .dialogs = *this,
                     .homePage = "home"};
    }

    FakeSoundLibrary sound;
    std::vector<std::string> messages;
    std::array<bool, CHECK_ITEM_COUNT> checks = marksAtStart();
    double waited = 0;
    bool ended = false;
    bool aboutShown = false;
};

} // namespace narabe::test
