// Stand-ins for the desktop that do nothing and answer at once, for driving the game's
// handlers in-process: message boxes are closed with OK, pauses are skipped, the menu
// keeps its two check marks, and the sound library hands out handles and plays nothing.
#pragma once

#include "game/form1.h"

#include <map>
#include <string>
#include <vector>

namespace narabe::test {

struct SilentPorts final : Surface,
                           MessageBoxes,
                           MenuChecks,
                           SoundLibrary,
                           Clock,
                           Browser,
                           WindowFrame,
                           Program,
                           AboutDialog {
    void copyPicture(Picture, double, double) override {}
    void fillRect(double, double, double, double, int) override {}
    void drawText(double, double, int, int, std::string_view) override {}
    void fillCircle(double, double, double, int) override {}
    void refresh() override {}
    void message(std::string_view, std::string_view text) override { messages.emplace_back(text); }
    void warning(std::string_view, std::string_view text) override { messages.emplace_back(text); }
    bool checked(MenuItem item) const override { return checks[static_cast<int>(item)]; }
    void setChecked(MenuItem item, bool on) override { checks[static_cast<int>(item)] = on; }
    std::int32_t dsInitialize(std::uintptr_t) override { return 1; }
    std::int32_t dsCreateDSB(std::int32_t, std::span<const std::byte>, std::int32_t,
                             std::string_view) override {
        return ++buffers;
    }
    void dsPlay(std::int32_t) override {}
    void dsPlayLooping(std::int32_t) override {}
    void dsStop(std::int32_t) override {}
    void dsFree(std::int32_t) override {}
    void dsTerminate(std::int32_t) override {}
    void wait(double seconds) override { waited += seconds; }
    bool open(std::string_view) override { return true; }
    void place(double, double, double, double) override {}
    void end() override { ended = true; }
    void showModal() override { aboutShown = true; }
    void unload() override { aboutShown = false; }

    Ports ports() {
        return Ports{*this, *this, *this, *this, *this, *this, *this, *this, *this, 0, "home"};
    }

    std::vector<std::string> messages;
    bool checks[2] = {false, false};
    std::int32_t buffers = 0;
    double waited = 0;
    bool ended = false;
    bool aboutShown = false;
};

} // namespace narabe::test
