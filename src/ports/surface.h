// The drawing surface the game draws on, in twips. It keeps what was drawn until it is
// drawn over; refresh() asks for everything drawn so far to be put on the screen now.
#pragma once

#include "ports/colour.h"
#include "ports/picture.h"

#include <string_view>

namespace narabe {

class Surface {
  public:
    virtual ~Surface() = default;
    // Copies a picture at its natural size with its top-left corner at (x, y).
    virtual void copyPicture(Picture picture, double x, double y) = 0;
    // Fills a rectangle, outline included, with a palette colour.
    virtual void fillRect(double x, double y, double width, double height, Colour colour) = 0;
    // Draws a text (UTF-8) with its top-left corner at (x, y), transparent background,
    // in the window font at `size` points and a palette colour.
    virtual void drawText(double x, double y, int size, Colour colour, std::string_view text) = 0;
    // Draws a filled circle, outline and interior in a palette colour.
    virtual void fillCircle(double x, double y, double radius, Colour colour) = 0;
    // Puts everything drawn so far on the screen before returning.
    virtual void refresh() = 0;
};

} // namespace narabe
