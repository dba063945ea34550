// The numbers the transcript prints for the game's values. They are the codes the game has
// always printed, and they live here, where the transcript is written, and nowhere else.
#pragma once

#include "game/game.h"
#include "support/sound_module.h"

#include <optional>
#include <string_view>

namespace narabe {

struct PrintedCodes {
    std::string_view black = "0";
    std::string_view white = "15";
    std::string_view nobodysTurn = "9"; // the side to move before the first game
    std::string_view unset = "-";       // any other side not yet set
    std::string_view noGame = "9";
    std::string_view vsComputer = "2";
    std::string_view twoPlayers = "3";
    std::string_view yes = "1";
    std::string_view no = "0";
    std::string_view musicBuffer = "1";  // the mode a buffer of the looping music is made in
    std::string_view effectBuffer = "3"; // and a buffer of a sound effect
};

inline constexpr PrintedCodes CODES{};

constexpr std::string_view printedCode(std::optional<Stone> s) {
    if (!s) return CODES.unset;
    return *s == BLACK ? CODES.black : CODES.white;
}

constexpr std::string_view printedTurn(std::optional<Stone> s) {
    return s ? printedCode(s) : CODES.nobodysTurn;
}

constexpr std::string_view printedCode(Mode m) {
    switch (m) {
    case Mode::VS_COMPUTER:
        return CODES.vsComputer;
    case Mode::TWO_PLAYERS:
        return CODES.twoPlayers;
    case Mode::NO_GAME:
        break;
    }
    return CODES.noGame;
}

constexpr std::string_view printedCode(bool b) {
    return b ? CODES.yes : CODES.no;
}

// The mode of a buffer made from the sound file `source`: the music's, or an effect's.
constexpr std::string_view printedBufferMode(std::string_view source) {
    return source == MUSIC_FILE ? CODES.musicBuffer : CODES.effectBuffer;
}

} // namespace narabe
