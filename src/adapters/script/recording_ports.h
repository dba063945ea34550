// The script runner's stand-ins for the desktop: each records what the game asks of it as
// transcript lines and answers at once (message boxes with OK, pauses not slept). The
// sound calls go on to the real sound library, whose output is a silent sink.
#pragma once

#include "adapters/script/transcript.h"
#include "ports/ports.h"
#include "ports/sound_library.h"
#include "ports/surface.h"

#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace narabe {

class RecordingSurface final : public Surface {
  public:
    explicit RecordingSurface(Transcript& t) : t_(t) {}
    void copyPicture(Picture picture, double x, double y) override;
    void fillRect(double x, double y, double width, double height, Colour colour) override;
    void drawText(double x, double y, int size, Colour colour, std::string_view text) override;
    void fillCircle(double x, double y, double radius, Colour colour) override;
    void refresh() override;

  private:
    Transcript& t_;
};

class RecordingBoxes final : public MessageBoxes {
  public:
    explicit RecordingBoxes(Transcript& t) : t_(t) {}
    void message(std::string_view title, std::string_view text) override;
    void warning(std::string_view title, std::string_view text) override;

  private:
    Transcript& t_;
};

// Prints every assignment of a check mark, also when it changes nothing.
class RecordingMenu final : public MenuChecks {
  public:
    explicit RecordingMenu(Transcript& t) : t_(t) {}
    void setChecked(CheckItem item, bool on) override;

  private:
    Transcript& t_;
};

// Prints each call with the name of the file its buffer came from, and passes it on.
class RecordingSound final : public SoundLibrary {
  public:
    RecordingSound(Transcript& t, SoundLibrary& real) : t_(t), real_(real) {}
    std::int32_t dsInitialize() override;
    std::int32_t dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                             std::string_view source) override;
    void dsPlay(std::int32_t buffer) override;
    void dsPlayLooping(std::int32_t buffer) override;
    void dsStop(std::int32_t buffer) override;
    void dsFree(std::int32_t buffer) override;
    void dsTerminate(std::int32_t device) override;

  private:
    std::string nameOf(std::int32_t buffer) const;
    Transcript& t_;
    SoundLibrary& real_;
    std::map<std::int32_t, std::string> names_;
};

// Prints every pause and sleeps none: its time never passes, so no work filling a pause is
// ever cut short by it.
class RecordingClock final : public Clock {
  public:
    explicit RecordingClock(Transcript& t) : t_(t) {}
    void wait(double seconds) override;
    [[nodiscard]] Time after(double /*seconds*/) override { return Time::max(); }
    void waitUntil(Time /*end*/, double seconds) override { wait(seconds); }

  private:
    Transcript& t_;
};

class RecordingBrowser final : public Browser {
  public:
    RecordingBrowser(Transcript& t, bool fails) : t_(t), fails_(fails) {}
    bool open(std::string_view address) override;

  private:
    Transcript& t_;
    bool fails_;
};

class RecordingFrame final : public WindowFrame {
  public:
    explicit RecordingFrame(Transcript& t) : t_(t) {}
    void place(double left, double top, double width, double height) override;

  private:
    Transcript& t_;
};

// The about dialog: "shown" until a button unloads it; the runner routes the script's
// button commands to it while it is open.
class RecordingAbout final : public AboutDialog {
  public:
    explicit RecordingAbout(Transcript& t) : t_(t) {}
    void showModal() override;
    void unload() override;
    bool open() const { return open_; }

  private:
    Transcript& t_;
    bool open_ = false;
};

// The file dialogs of the records, answered as cancelled: the script names a record's file
// with the commands save and open, which run the commands as if the dialog had given it.
class CancelledDialogs final : public FileDialogs {
  public:
    std::optional<std::filesystem::path> recordToOpen() override { return std::nullopt; }
    std::optional<std::filesystem::path> recordToSave(std::string_view) override {
        return std::nullopt;
    }
};

class RecordingProgram final : public Program {
  public:
    explicit RecordingProgram(Transcript& t) : t_(t) {}
    void end() override;
    bool ended() const { return ended_; }

  private:
    Transcript& t_;
    bool ended_ = false;
};

} // namespace narabe
