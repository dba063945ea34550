// Where narabe-script reads its script from: a regular file, a pipe or a terminal (given by
// name, or as standard input), each read line by line with a bound on a line's length, so
// that an endless input such as /dev/zero cannot make the runner read without end.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <streambuf>
#include <string>

namespace narabe {

// The longest script line, without its line end ("\n" or CR LF).
inline constexpr std::size_t MAX_SCRIPT_LINE_BYTES = std::size_t{1024} * 1024;

// Reads a descriptor through a buffer; a failed read throws, so that the stream reading it
// goes bad instead of taking the failure for the end of the script.
class DescriptorBuffer final : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd, bool owned) : fd_(fd), owned_(owned) {}
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

  protected:
    int_type underflow() override;

  private:
    int fd_;
    bool owned_;
    char buffer_[65536];
};

// The opened script, or why it cannot be read (status 1: it cannot be opened or is a
// folder) or is refused (status 2: neither a regular file, nor a pipe, nor a terminal).
struct ScriptInput {
    std::unique_ptr<DescriptorBuffer> buffer;
    int status = 0;
    std::string error;
};

// Opens the script named `path`, or standard input for "-", without waiting on a device; a
// pipe named by path then waits for its writer as it would have in the open.
ScriptInput openScript(const std::string& path);

enum class LineRead { LINE, END, TOO_LONG, FAILED };

// Reads the next line into `line` without its "\n"; a last line without one is still a
// line. TOO_LONG as soon as the line passes MAX_SCRIPT_LINE_BYTES, without reading on.
LineRead readScriptLine(std::istream& in, std::string& line);

} // namespace narabe
