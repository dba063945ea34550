// The pauses of the game's flow, and the key that ends the game. Presses and menu choices made
// during a pause wait until the handler returns; Esc, 終了 and the close box end the game at once.
#pragma once

namespace narabe {

// Before the computer's move, with the thinking note shown.
inline constexpr double THINKING_PAUSE = 0.5;
// Between the computer's stone and its sound and mark.
inline constexpr double STONE_SOUND_PAUSE = 0.5;
// After the computer's mark, before the previous move's number and the move count.
inline constexpr double MARK_PAUSE = 0.2;
// Each half of a blink of the winning five, and how many times it blinks.
inline constexpr double BLINK_PAUSE = 0.2;
inline constexpr int BLINK_ROUNDS = 5;

// The character code of the Esc key, which ends the program.
inline constexpr int KEY_ESC = 27;

} // namespace narabe
