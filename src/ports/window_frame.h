// The main window's frame, placed in twips; left and top may lie off the screen.
#pragma once

namespace narabe {

class WindowFrame {
  public:
    virtual ~WindowFrame() = default;
    virtual void place(double left, double top, double width, double height) = 0;
};

} // namespace narabe
