// The sound module over a recording library: the one warning when there is no device, which
// files count as present, that a present file reaches the library byte for byte, that a
// read error is reported with its text, and that the device is closed only when open.
#include "common/fake_sound_library.h"
#include "common/unprivileged.h"
#include "support/sound_module.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace narabe::test {
namespace {

namespace fs = std::filesystem;

class RecordingBoxes final : public MessageBoxes {
  public:
    struct Box {
        std::string title;
        std::string text;
    };
    void message(std::string_view title, std::string_view text) override {
        messages.push_back({std::string(title), std::string(text)});
    }
    void warning(std::string_view title, std::string_view text) override {
        warnings.push_back({std::string(title), std::string(text)});
    }
    std::vector<Box> messages;
    std::vector<Box> warnings;
};

// Runs each test in a fresh, empty current directory.
class SoundModuleTest : public ::testing::Test {
  protected:
    void SetUp() override {
        library.buffer = 42; // what dsCreateDSB gives unless a test says otherwise
        previous = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "narabe-sound-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory = pattern;
        fs::current_path(directory);
    }
    void TearDown() override {
        fs::current_path(previous);
        std::error_code ignored;
        // Give back the read permission a test may have taken, so that removal works.
        for (const auto& entry : fs::directory_iterator(directory, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(directory, ignored);
    }
    static void write(const fs::path& file, const std::vector<std::byte>& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    std::int32_t load(const fs::path& file, std::int32_t device = 1) {
        return loadSound(io, device, file);
    }

    fs::path previous;
    fs::path directory;
    FakeSoundLibrary library;
    RecordingBoxes boxes;
    SoundPorts io{library, boxes};
};

// Every byte value, so that nothing is lost to text mode or a stop at a zero byte.
std::vector<std::byte> everyByte() {
    std::vector<std::byte> bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b)
            bytes.push_back(static_cast<std::byte>(b));
    return bytes;
}

TEST_F(SoundModuleTest, InitWarnsOnceWhenThereIsNoDevice) {
    library.device = 0;
    EXPECT_EQ(openSoundDevice(io), 0);
    EXPECT_EQ(library.initialized, 1);
    ASSERT_EQ(boxes.warnings.size(), 1u);
    EXPECT_EQ(boxes.warnings[0].title, "Narabe1.dll");
    EXPECT_EQ(boxes.warnings[0].text, "Direct Soundインターフェースが作成できません。");
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(SoundModuleTest, InitGivesTheDeviceSilently) {
    library.device = 7;
    EXPECT_EQ(openSoundDevice(io), 7);
    EXPECT_TRUE(boxes.warnings.empty());
}

TEST_F(SoundModuleTest, WarningIsTitledWithTheLibrary) {
    soundWarning(boxes, "text");
    ASSERT_EQ(boxes.warnings.size(), 1u);
    EXPECT_EQ(boxes.warnings[0].title, "Narabe1.dll");
    EXPECT_EQ(boxes.warnings[0].text, "text");
}

TEST_F(SoundModuleTest, APresentFileReachesTheLibraryByteForByte) {
    const std::vector<std::byte> bytes = everyByte();
    write("石打音.wav", bytes);
    EXPECT_EQ(load("石打音.wav", 5), 42);
    ASSERT_EQ(library.creates.size(), 1u);
    EXPECT_EQ(library.creates[0].device, 5);
    EXPECT_EQ(library.creates[0].image, bytes);
    EXPECT_EQ(library.creates[0].source, "石打音.wav");
    EXPECT_TRUE(boxes.warnings.empty());
}

TEST_F(SoundModuleTest, AFileOfAnotherFolderIsReadThereAndNamedByItsBareName) {
    fs::create_directories(directory / "share" / "narabe1");
    const fs::path file = directory / "share" / "narabe1" / u8"終局.wav";
    write(file, everyByte());
    write(u8"終局.wav", {std::byte{1}}); // a file of that name in the current directory too
    EXPECT_EQ(load(file), 42);
    ASSERT_EQ(library.creates.size(), 1u);
    EXPECT_EQ(library.creates[0].image, everyByte());
    EXPECT_EQ(library.creates[0].source, "終局.wav");
}

TEST_F(SoundModuleTest, TheLibrarysAnswerPassesThrough) {
    write("BGM.wav", everyByte());
    library.buffer = 0; // the library refuses the image
    EXPECT_EQ(load("BGM.wav"), 0);
    ASSERT_EQ(library.creates.size(), 1u);
    EXPECT_EQ(library.creates[0].source, "BGM.wav");
    EXPECT_TRUE(boxes.warnings.empty());
}

TEST_F(SoundModuleTest, AnEmptyOrLargeFileIsReadWhole) {
    write("empty.wav", {});
    std::vector<std::byte> large(300000);
    for (std::size_t i = 0; i < large.size(); ++i)
        large[i] = static_cast<std::byte>(i * 7 + i / 256);
    write("large.wav", large);
    // The largest file a buffer is made from.
    std::vector<std::byte> largest(MAX_SOUND_IMAGE_BYTES);
    for (std::size_t i = 0; i < largest.size(); ++i)
        largest[i] = static_cast<std::byte>(i * 13 + i / 4096);
    write("largest.wav", largest);
    // A file that reports a size of 0 but has bytes: it is read to its end all the same.
    fs::create_symlink("/proc/self/environ", "proc.wav");
    std::ifstream environ("/proc/self/environ", std::ios::binary);
    const std::vector<char> chars((std::istreambuf_iterator<char>(environ)), {});
    const auto* first = reinterpret_cast<const std::byte*>(chars.data());
    const std::vector<std::byte> environBytes(first, first + chars.size());
    ASSERT_EQ(fs::file_size("proc.wav"), 0u);
    ASSERT_FALSE(environBytes.empty());
    load("empty.wav");
    load("large.wav");
    load("proc.wav");
    load("largest.wav");
    ASSERT_EQ(library.creates.size(), 4u);
    EXPECT_TRUE(library.creates[0].image.empty());
    EXPECT_EQ(library.creates[1].image, large);
    EXPECT_EQ(library.creates[2].image, environBytes);
    EXPECT_EQ(library.creates[3].image, largest);
}

// How many bytes this process has read from files so far.
std::uint64_t bytesRead() {
    std::ifstream io("/proc/self/io");
    for (std::string field; io >> field;) {
        std::uint64_t value = 0;
        io >> value;
        if (field == "rchar:") return value;
    }
    return 0;
}

// A WAV header declaring `dataBytes` of samples, followed by nothing.
std::vector<std::byte> headerDeclaring(std::uint32_t dataBytes) {
    std::vector<std::byte> header;
    const auto put = [&header](std::string_view tag, std::uint32_t value) {
        for (char c : tag)
            header.push_back(static_cast<std::byte>(c));
        for (int shift = 0; shift < 32; shift += 8)
            header.push_back(static_cast<std::byte>(value >> shift));
    };
    put("RIFF", 36 + dataBytes);
    for (char c : std::string_view("WAVE"))
        header.push_back(static_cast<std::byte>(c));
    put("fmt ", 16);
    for (std::uint32_t field : {0x00010001u, 22050u, 44100u, 0x00100002u}) // PCM, mono, 16-bit
        for (int shift = 0; shift < 32; shift += 8)
            header.push_back(static_cast<std::byte>(field >> shift));
    put("data", dataBytes);
    return header;
}

// A file larger than any buffer is neither read nor allocated for: the library gets an empty
// image, which decodes to nothing, and nobody is warned. The files are sparse, so they take
// no room on the disk, and the one whose header declares 1.5 GiB of samples would take
// seconds and gigabytes to read.
TEST_F(SoundModuleTest, AFileTooLargeForABufferGoesOverAsAnEmptyImage) {
    constexpr std::uint32_t HUGE_DATA = 1536u * 1024 * 1024;
    const struct {
        const char* name;
        std::vector<std::byte> start;
        std::uintmax_t size;
    } files[] = {
        {"one byte more than the largest buffer", everyByte(), MAX_SOUND_IMAGE_BYTES + 1},
        {"a header declaring 1.5 GiB", headerDeclaring(HUGE_DATA), 44 + std::uintmax_t{HUGE_DATA}},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        write("BGM.wav", file.start);
        fs::resize_file("BGM.wav", file.size);
        library.creates.clear();
        library.buffer = 0;
        const std::uint64_t before = bytesRead();
        EXPECT_EQ(load("BGM.wav"), 0);
        EXPECT_LT(bytesRead() - before, 65536u);
        ASSERT_EQ(library.creates.size(), 1u);
        EXPECT_TRUE(library.creates[0].image.empty());
        EXPECT_EQ(library.creates[0].source, "BGM.wav");
        EXPECT_TRUE(boxes.warnings.empty());
    }
}

TEST_F(SoundModuleTest, ALinkToAFileCountsAsTheFile) {
    write("real.wav", everyByte());
    fs::create_symlink("real.wav", "link.wav");
    EXPECT_EQ(load("link.wav"), 42);
    ASSERT_EQ(library.creates.size(), 1u);
    EXPECT_EQ(library.creates[0].image, everyByte());
}

TEST_F(SoundModuleTest, NothingThatIsNotARegularFileCountsAsPresent) {
    fs::create_directory("directory.wav");
    fs::create_symlink("directory.wav", "link-to-directory.wav");
    fs::create_symlink("nowhere.wav", "dangling.wav");
    for (const char* name :
         {"missing.wav", "directory.wav", "link-to-directory.wav", "dangling.wav"}) {
        EXPECT_EQ(load(name), 0) << name;
    }
    EXPECT_TRUE(library.creates.empty());
    EXPECT_TRUE(boxes.warnings.empty());
}

TEST_F(SoundModuleTest, APipeIsNotPresentAndIsNeverOpened) {
    // Opening a pipe without a writer would wait for ever: the check must come first.
    ASSERT_EQ(::mkfifo("pipe.wav", 0600), 0);
    EXPECT_EQ(load("pipe.wav"), 0);
    EXPECT_TRUE(library.creates.empty());
    EXPECT_TRUE(boxes.warnings.empty());
}

TEST_F(SoundModuleTest, WithoutADeviceNoFileIsRead) {
    write("その他.wav", everyByte());
    fs::permissions("その他.wav", fs::perms::none);
    EXPECT_EQ(load("その他.wav", 0), 0);
    EXPECT_TRUE(library.creates.empty());
    // Had the module tried to read the unreadable file, it would have warned.
    EXPECT_TRUE(boxes.warnings.empty());
}

TEST_F(SoundModuleTest, AnUnreadableFileWarnsWithTheErrorText) {
    write("禁止.wav", everyByte());
    fs::permissions("禁止.wav", fs::perms::none);
    handOver(fs::current_path()); // as root the load runs as "nobody", whom the rights stop
    const auto seen = runUnprivileged([this] {
        std::vector<std::string> lines{std::to_string(load("禁止.wav")),
                                       std::to_string(library.creates.size())};
        for (const auto& w : boxes.warnings)
            lines.push_back(w.title + "|" + w.text);
        return lines;
    });
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(*seen, (std::vector<std::string>{
                         "0", "0", "Narabe1.dll|" + std::generic_category().message(EACCES)}));
}

TEST_F(SoundModuleTest, AFileThatFailsWhileBeingReadWarnsWithTheErrorText) {
    // A process's own memory file is a regular file that opens for anyone, but reading it
    // from offset 0, where nothing is mapped, fails with an input/output error.
    fs::create_symlink("/proc/self/mem", "終局.wav");
    EXPECT_EQ(load("終局.wav"), 0);
    EXPECT_TRUE(library.creates.empty());
    ASSERT_EQ(boxes.warnings.size(), 1u);
    EXPECT_EQ(boxes.warnings[0].title, "Narabe1.dll");
    EXPECT_EQ(boxes.warnings[0].text, std::generic_category().message(EIO));
}

TEST_F(SoundModuleTest, TermClosesOnlyAnOpenDevice) {
    closeSoundDevice(io, 0);
    EXPECT_TRUE(library.terminated.empty());
    closeSoundDevice(io, 3);
    EXPECT_EQ(library.terminated, std::vector<std::int32_t>{3});
    EXPECT_EQ(library.others, 0);
}

} // namespace
} // namespace narabe::test
