// Stand-ins for the desktop that answer at once, for driving the game's handlers
// in-process: message boxes are closed with OK and remembered, and so are the texts drawn
// the file names proposed and the pages opened; pauses are added up instead of slept, the menu
// keeps its check marks, the sound library plays nothing, the save dialog answers `saveTo`.
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
    void drawText(double, double, int, Colour, std::string_view text) override {
        drawn.emplace_back(text);
    }
    void fillCircle(double, double, double, Colour) override {}
    void refresh() override {}
    void message(std::string_view title, std::string_view text) override {
        titles.emplace_back(title);
        messages.emplace_back(text);
    }
    void warning(std::string_view title, std::string_view text) override { message(title, text); }
    bool checked(CheckItem item) const { return checks[slotOf(item)]; }
    void setChecked(CheckItem item, bool on) override { checks[slotOf(item)] = on; }
    void wait(double seconds) override { waited += seconds; }
    Time after(double) override { return Time::max(); }
    void waitUntil(Time, double seconds) override { waited += seconds; }
    bool open(std::string_view address) override {
        opened.emplace_back(address);
        return true;
    }
    void place(double, double, double, double) override {}
    void end() override { ended = true; }
    void showModal() override { aboutShown = true; }
    void unload() override { aboutShown = false; }
    std::optional<std::filesystem::path> recordToOpen() override { return std::nullopt; }
    std::optional<std::filesystem::path> recordToSave(std::string_view name) override {
        proposed.emplace_back(name);
        return saveTo;
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
    std::vector<std::string> titles;   // of the message boxes, in order
    std::vector<std::string> messages; // their texts
    std::vector<std::string> drawn;    // every text drawn on the surface
    std::vector<std::string> proposed; // the file names the save dialog proposed
    std::vector<std::string> opened;   // the pages opened in the browser
    std::optional<std::filesystem::path> saveTo;
    std::array<bool, CHECK_ITEM_COUNT> checks = marksAtStart();
    double waited = 0;
    bool ended = false;
    bool aboutShown = false;
};

} // namespace narabe::test
