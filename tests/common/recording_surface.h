// A drawing surface that records every call, in order, for tests of the drawing logic.
#pragma once

#include "common/print_codes.h"
#include "ports/surface.h"

#include <string>
#include <vector>

namespace narabe::test {

struct DrawCall {
    enum class Kind { Picture, Rect, Text, Circle, Refresh };
    Kind kind;
    Picture picture = Picture::TITLE;
    double x = 0, y = 0;
    double width = 0, height = 0; // rectangles; radius in width for circles
    Colour colour{};              // rectangles, texts and circles
    int size = 0;
    std::string text;
};

class RecordingSurface : public Surface {
  public:
    void copyPicture(Picture picture, double x, double y) override {
        calls.push_back({DrawCall::Kind::Picture, picture, x, y, 0, 0, {}, 0, {}});
    }
    void fillRect(double x, double y, double width, double height, Colour colour) override {
        calls.push_back({DrawCall::Kind::Rect, Picture::TITLE, x, y, width, height, colour, 0, {}});
    }
    void drawText(double x, double y, int size, Colour colour, std::string_view text) override {
        calls.push_back(
            {DrawCall::Kind::Text, Picture::TITLE, x, y, 0, 0, colour, size, std::string(text)});
    }
    void fillCircle(double x, double y, double radius, Colour colour) override {
        calls.push_back({DrawCall::Kind::Circle, Picture::TITLE, x, y, radius, 0, colour, 0, {}});
    }
    void refresh() override {
        calls.push_back({DrawCall::Kind::Refresh, Picture::TITLE, 0, 0, 0, 0, {}, 0, {}});
    }

    std::vector<DrawCall> calls;
};

} // namespace narabe::test
