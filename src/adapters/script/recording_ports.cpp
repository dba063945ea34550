// Transcript lines for every drawing call, message box, check mark, sound call, pause,
// browser request, window placement and the end of the program.
#include "adapters/script/recording_ports.h"

#include "adapters/script/codes.h"
#include "game/menu_tree.h"

#include <string>
#include <string_view>

namespace narabe {

namespace {
std::string num(int v) {
    return std::to_string(v);
}

std::string num(Colour c) {
    return std::to_string(static_cast<int>(c));
}
} // namespace

void RecordingSurface::copyPicture(Picture picture, double x, double y) {
    t_.line({"picture", pictureName(picture), decimal(x), decimal(y)});
}

void RecordingSurface::fillRect(double x, double y, double width, double height, Colour colour) {
    t_.line({"fill", decimal(x), decimal(y), decimal(width), decimal(height), num(colour)});
}

void RecordingSurface::drawText(double x, double y, int size, Colour colour,
                                std::string_view text) {
    t_.line({"text", decimal(x), decimal(y), num(size), num(colour), text});
}

void RecordingSurface::fillCircle(double x, double y, double radius, Colour colour) {
    t_.line({"circle", decimal(x), decimal(y), decimal(radius), num(colour)});
}

void RecordingSurface::refresh() {
    t_.line({"refresh"});
}

void RecordingBoxes::message(std::string_view title, std::string_view text) {
    t_.line({"msgbox", title, text});
}

void RecordingBoxes::warning(std::string_view title, std::string_view text) {
    t_.line({"warning", title, text});
}

void RecordingMenu::setChecked(CheckItem item, bool on) {
    t_.line({"check", controlOf(item), on ? "1" : "0"});
}

std::string RecordingSound::nameOf(std::int32_t buffer) const {
    const auto it = names_.find(buffer);
    return buffer == 0 || it == names_.end() ? "0" : it->second;
}

std::int32_t RecordingSound::dsInitialize() {
    const std::int32_t device = real_.dsInitialize();
    t_.line({"dsInitialize", device != 0 ? "1" : "0"});
    return device;
}

std::int32_t RecordingSound::dsCreateDSB(std::int32_t device, std::span<const std::byte> image,
                                         std::string_view source) {
    t_.line({"dsCreateDSB", source, printedBufferMode(source)});
    const std::int32_t buffer = real_.dsCreateDSB(device, image, source);
    if (buffer != 0) names_[buffer] = std::string(source);
    return buffer;
}

void RecordingSound::dsPlay(std::int32_t buffer) {
    t_.line({"dsPlay", nameOf(buffer)});
    real_.dsPlay(buffer);
}

void RecordingSound::dsPlayLooping(std::int32_t buffer) {
    t_.line({"dsPlayLooping", nameOf(buffer)});
    real_.dsPlayLooping(buffer);
}

void RecordingSound::dsStop(std::int32_t buffer) {
    t_.line({"dsStop", nameOf(buffer)});
    real_.dsStop(buffer);
}

void RecordingSound::dsFree(std::int32_t buffer) {
    t_.line({"dsFree", nameOf(buffer)});
    real_.dsFree(buffer);
    names_.erase(buffer);
}

void RecordingSound::dsTerminate(std::int32_t device) {
    t_.line({"dsTerminate"});
    real_.dsTerminate(device);
}

void RecordingClock::wait(double seconds) {
    t_.line({"wait", decimal(seconds)});
}

bool RecordingBrowser::open(std::string_view address) {
    t_.line({fails_ ? "browser-error" : "browser", address});
    return !fails_;
}

void RecordingFrame::place(double left, double top, double width, double height) {
    t_.line({"window", decimal(left), decimal(top), decimal(width), decimal(height)});
}

void RecordingAbout::showModal() {
    t_.line({"form2", "show"});
    open_ = true;
}

void RecordingAbout::unload() {
    t_.line({"form2", "unload"});
    open_ = false;
}

void RecordingProgram::end() {
    t_.line({"end"});
    ended_ = true;
}

} // namespace narabe
