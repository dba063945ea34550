// The layout of the main window beside the board: every position, size and font size the
// handlers and the drawing use, in one place. Positions are grid coordinates (column, row;
// fractions allowed), sizes of rectangles are twips, font sizes points.
#pragma once

#include "render/palette.h"
#include "state/types.h"

#include <string_view>

namespace narabe {

// A place on the window in grid coordinates.
struct GridPoint {
    double x;
    double y;
};

// A rectangle whose top-left corner is at a grid position and whose size is in twips.
struct GridRect {
    double x;
    double y;
    double width;
    double height;
};

// A text beside the board: where it stands and its size.
struct TextPlace {
    GridPoint at;
    int size;
};

// Texts beside the board are written in the white stone's colour.
inline constexpr Colour TEXT_COLOUR = colourOf(WHITE);

// --- The main window ---

// The main window's outer frame in twips: just beyond the screen's top-left corner.
inline constexpr double WINDOW_LEFT = -60;
inline constexpr double WINDOW_TOP = -60;
inline constexpr double WINDOW_WIDTH = 9000;
inline constexpr double WINDOW_HEIGHT = 8000;

// The window's client area in logical pixels, which holds the board and the side panel.
inline constexpr int CLIENT_WIDTH = 592;
inline constexpr int CLIENT_HEIGHT = 488;

// --- Coordinate labels ---

// The column letters: no I; three blanks between letters, four after J and after R.
inline constexpr std::string_view COLUMN_LETTERS =
    "A   B   C   D   E   F   G   H   J    K   L   M   N   O   P   Q   R    S   T";
// Where the column letters stand, above column 1.
inline constexpr TextPlace COLUMN_LETTERS_TEXT{{1.4, 0.1}, 10};
// The row numbers stand in column 0, this far below the top of their row.
inline constexpr double ROW_NUMBER_DROP = 0.1;
// The row numbers' size.
inline constexpr int ROW_NUMBER_SIZE = 9;

// --- The side panel, right of the board ---

// The title picture's top-left corner.
inline constexpr GridPoint TITLE_AT{21, 0.5};
// The whole panel below the title, cleared when the board is reset.
inline constexpr GridRect SIDE_PANEL{21, 6, 1800, 2600};
// The player panel: the two stones and their labels.
inline constexpr GridRect PLAYER_PANEL{21, 6, 1250, 600};
// The black and the white stone of the player panel.
inline constexpr GridPoint BLACK_PLAYER_STONE{21, 6};
inline constexpr GridPoint WHITE_PLAYER_STONE{21, 7};
// The labels beside the two stones.
inline constexpr TextPlace BLACK_PLAYER_LABEL{{22.5, 6}, 10};
inline constexpr TextPlace WHITE_PLAYER_LABEL{{22.5, 7}, 10};

// The move count: its eraser, the row and size of the number and of "手目" after it.
inline constexpr GridRect MOVE_COUNT_AREA{20.5, 9, 1000, 300};
inline constexpr double MOVE_COUNT_ROW = 9;
inline constexpr int MOVE_COUNT_SIZE = 11;
inline constexpr GridPoint MOVE_COUNT_UNIT_AT{22, 9};
inline constexpr std::string_view MOVE_COUNT_UNIT = "手目";
// The number's column: further left the more digits it has, so the digits end together.
inline constexpr double MOVE_COUNT_COLUMN_1_DIGIT = 21;
inline constexpr double MOVE_COUNT_COLUMN_2_DIGITS = 20.8;
inline constexpr double MOVE_COUNT_COLUMN_3_DIGITS = 20.5;

// The computer's thinking note and its eraser.
inline constexpr std::string_view THINKING = "思考中";
inline constexpr TextPlace THINKING_TEXT{{21, 11}, 12};
inline constexpr GridRect THINKING_AREA{21, 11, 1000, 300};

// --- On the stones ---

// The last-move mark: a filled circle on the cell's grid crossing, in twips from the cell's
// top-left corner, and its radius in twips.
inline constexpr double MARK_OFFSET = 150;
inline constexpr double MARK_RADIUS = 50;
// The hint's mark and the mark of a point barred for the side to move, centred the same way.
inline constexpr double HINT_RADIUS = 60;
inline constexpr double BARRED_RADIUS = 40;

// A move number on its stone: font size and offset from the cell's corner, in twips.
struct NumberPlace {
    int size;
    double right;
    double down;
};
inline constexpr NumberPlace NUMBER_1_DIGIT{12, 20, 20};
inline constexpr NumberPlace NUMBER_2_DIGITS{10, 5, 50};
inline constexpr NumberPlace NUMBER_3_DIGITS{7, 0, 65};

// --- The about dialog, in twips ---

// A rectangle of the about dialog: left, top, width and height in twips.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The client area, with the about picture as its background.
inline constexpr int ABOUT_CLIENT_WIDTH = 4995;
inline constexpr int ABOUT_CLIENT_HEIGHT = 1530;
// "ホームページ" and "O K", side by side at the same height.
inline constexpr TwipsRect ABOUT_HOME_BUTTON{600, 1080, 1575, 375};
inline constexpr TwipsRect ABOUT_OK_BUTTON{2880, 1080, 1575, 375};

} // namespace narabe
