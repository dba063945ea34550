// Transcript lines the game must print, built from the board geometry so that the tests
// state what is drawn where rather than copying a recorded run.
#pragma once

#include <string>
#include <vector>

namespace narabe::test {

// The sound lines of start-up with a working device and all five files present.
std::vector<std::string> soundLoadLines();
// The labels: the column letters, then the row numbers 1..19.
std::vector<std::string> labelLines();
// The 361 empty points in drawing order (x outer, y inner).
std::vector<std::string> emptyBoardLines();
// The whole start-up transcript: sound, window, labels, settings lines as given, the board
// reset and drawing, the title.
std::vector<std::string> startupLines(const std::vector<std::string>& soundLines,
                                      const std::vector<std::string>& settingsLines);
// The shutdown: five dsFree in order, dsTerminate when a device was opened, end.
std::vector<std::string> shutdownLines(bool device, const std::vector<bool>& loaded);

// "picture\tNAME\tX\tY" for point (x, y).
std::string pointLine(const std::string& picture, int x, int y);
// The picture name of an empty point.
std::string emptyPicture(int x, int y);
// The picture name of a stone ("KURO"/"SIRO") on a point.
std::string stonePicture(const std::string& prefix, int x, int y);

} // namespace narabe::test
