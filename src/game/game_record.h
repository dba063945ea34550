// Game records in SGF: reading one from a file and replaying its moves by the game's rules,
// writing the record of the current game, and the texts that name what went wrong. The
// player's commands that use them are the main window controller's.
#pragma once

#include "game/game.h"
#include "support/local_time.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace narabe {

// Why a record cannot be opened or saved; each has its text in one table.
enum class RecordFault {
    NONE,
    UNREADABLE, // no regular file, or reading it failed
    TOO_LARGE,  // more than RECORD_MAX_BYTES
    NOT_SGF,    // not SGF's grammar: an empty or binary file, a broken one
    TOO_DEEP,   // variations nested too deep
    NOT_GOMOKU, // GM other than 4
    NOT_19,     // SZ other than 19
    SETUP,      // stones set on the board (AB, AW) or taken off it (AE)
    // A move, named by its number:
    NOT_A_POINT, // a pass or a value that is no point
    OFF_BOARD,
    OCCUPIED,
    DOUBLE_THREE,
    DOUBLE_FOUR,
    AFTER_FIVE, // the game was already won
    WRONG_SIDE, // black and white do not alternate, black first
    // Saving:
    NOTHING_TO_SAVE,
    NOT_SAVED,
    NOT_A_RECORD_FILE, // a folder, a pipe, a device, or a link to what is no record of the user's
    // The unfinished game:
    NO_UNFINISHED_GAME,
};

// The title of every message about a record.
inline constexpr std::string_view RECORD_TITLE = "棋譜";

// A record file larger than this is not read: 1 MiB holds every game many times over.
inline constexpr std::size_t RECORD_MAX_BYTES = std::size_t{1} << 20;

struct RecordRead {
    RecordFault fault = RecordFault::NONE;
    int move = 0;               // the move at fault, numbered from 1
    bool endsWithFive = false;  // the last move made five: the game was won with it
    Stone toMove = BLACK;       // the side to move after the last move; the winner after a five
    std::optional<Stone> human; // the person's side when the players are "MAN" and "COM"
};

// Replays the main line of the SGF record `text` on `game`, a new game (as clearForNewGame
// leaves it): every move is checked as a press on the board is, then recorded and stored as
// play does, so that the history can step through it. Black moves first and the sides
// alternate; a pass (`B[]`, `W[]` or `tt`) of the side to move gives the move to the other
// side without a stone. On a fault `game` holds the moves before it.
RecordRead replayRecord(std::string_view text, Game& game);
// The same for the record in a file, which is not read beyond RECORD_MAX_BYTES.
RecordRead replayRecordFile(const std::filesystem::path& file, Game& game);

// Whether a file's bytes read as a game record (SGF's grammar): the only file a link in a
// record's place is followed to when it is saved.
bool readsAsRecord(std::string_view bytes);

// The message for a fault: its text, after the number of the move at fault, if any.
std::string recordFaultText(RecordFault fault, int move);

// Moves 1..moveTotal of the game as an SGF record (FF[4], GM[4], 19 x 19), dated `now`, with
// the players as the side panel names them and the result. Where the side to move changed
// without a move, the side that lost its turn passes, so that the sides always alternate.
std::string recordText(const Game& game, const LocalTime& now);

// The name of the file that keeps the unfinished game, beside the settings file.
inline constexpr std::string_view UNFINISHED_GAME_FILE = "unfinished.sgf";

// The file name proposed for a record saved at `now`: "棋譜_YYYYMMDD_HHMM.sgf".
std::string recordFileName(const LocalTime& now);

} // namespace narabe
