// The small interfaces through which the game reaches the desktop: message boxes, the
// check marks of the two option menu items, the pause, the browser and ending the program.
// The window program and the script runner each implement them.
#pragma once

#include <string_view>

namespace narabe {

// Modal message boxes with a single OK button; each returns when it has been closed.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void message(std::string_view title, std::string_view text) = 0;
    virtual void warning(std::string_view title, std::string_view text) = 0;
};

// The two check items of the options menu; their check marks are the options' only record.
enum class MenuItem { BANGOU, BGM };

class MenuChecks {
  public:
    virtual ~MenuChecks() = default;
    [[nodiscard]] virtual bool checked(MenuItem item) const = 0;
    virtual void setChecked(MenuItem item, bool on) = 0;
};

// A pause that handles no input meanwhile: presses and menu choices made during it are
// handled after the running handler returns.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual void wait(double seconds) = 0;
};

// Opens a page (a file path or a web address) in the desktop's browser.
class Browser {
  public:
    virtual ~Browser() = default;
    [[nodiscard]] virtual bool open(std::string_view address) = 0;
};

// The modal about dialog: shown until it is unloaded by one of its buttons.
class AboutDialog {
  public:
    virtual ~AboutDialog() = default;
    // Shows the dialog; in the window program this returns once it has been unloaded.
    virtual void showModal() = 0;
    virtual void unload() = 0;
};

// The main window's frame: placed in twips, left and top possibly off the screen.
class WindowFrame {
  public:
    virtual ~WindowFrame() = default;
    virtual void place(double left, double top, double width, double height) = 0;
};

// Ends the program at once: no further event of any window is handled.
class Program {
  public:
    virtual ~Program() = default;
    virtual void end() = 0;
};

} // namespace narabe
