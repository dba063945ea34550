// Damaged and well-formed WAV images. Each damaged one differs from a good image in one
// respect only, so that it tests exactly that respect.
#include "sound/wave_cases.h"

namespace narabe::test {

namespace {

constexpr std::size_t FRAMES = 441; // 20 ms at 22050 Hz

Bytes fmtChunk(const FormatFields& fields = {}) {
    return chunk("fmt ", formatBody(fields));
}

Bytes dataChunk(const FormatFields& fields = {}) {
    return chunk("data", toneSamples(FRAMES, fields));
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        append(out, p);
    return out;
}

Bytes goodBody() {
    return join({fmtChunk(), dataChunk()});
}

// A good image with `count` bytes cut from its end.
Bytes cut(std::size_t count) {
    Bytes image = riff(goodBody());
    image.resize(image.size() - count);
    return image;
}

// The good image with the 32-bit field at `at` replaced.
Bytes patched(std::size_t at, std::uint32_t value) {
    Bytes image = riff(goodBody());
    Bytes field;
    put32(field, value);
    std::copy(field.begin(), field.end(), image.begin() + static_cast<std::ptrdiff_t>(at));
    return image;
}

// Offsets in the good image.
constexpr std::size_t RIFF_SIZE_AT = 4;
constexpr std::size_t FMT_SIZE_AT = 16;
constexpr std::size_t DATA_SIZE_AT = 12 + 8 + 16 + 4;

FormatFields with(auto change) {
    FormatFields f;
    change(f);
    return f;
}

BadWave badFormat(std::string name, const FormatFields& fields) {
    return {std::move(name), riff(join({fmtChunk(fields), dataChunk()}))};
}

} // namespace

std::vector<BadWave> badWaves() {
    const Bytes samples = toneSamples(FRAMES);
    Bytes shortFormat = formatBody({});
    shortFormat.resize(14);
    std::vector<BadWave> cases = {
        {"empty", {}},
        {"riff tag only", cut(riff(goodBody()).size() - 4)},
        {"header without form", cut(riff(goodBody()).size() - 8)},
        {"header only", riff({})},
        {"truncated in fmt", cut(riff(goodBody()).size() - 20)},
        {"truncated in data by one byte", cut(1)},
        {"truncated in data by half", cut(FRAMES)},
        {"not riff",
         [] {
             Bytes image = riff(goodBody());
             image[3] = std::byte{'X'};
             return image;
         }()},
        {"not wave", riff(goodBody(), {}, "AVI ")},
        {"riff size past end by one",
         patched(RIFF_SIZE_AT, static_cast<std::uint32_t>(riff(goodBody()).size() - 8 + 1))},
        {"riff size 0xFFFFFFF0", patched(RIFF_SIZE_AT, 0xFFFFFFF0u)},
        {"riff size 0xFFFFFFFF", patched(RIFF_SIZE_AT, 0xFFFFFFFFu)},
        {"riff size 0", patched(RIFF_SIZE_AT, 0)},
        {"riff size 3", patched(RIFF_SIZE_AT, 3)},
        {"riff size ends inside data", patched(RIFF_SIZE_AT, 4 + 8 + 16 + 8 + 10)},
        {"fmt size 0xFFFFFFF0", patched(FMT_SIZE_AT, 0xFFFFFFF0u)},
        {"fmt size 0xFFFFFFFF", patched(FMT_SIZE_AT, 0xFFFFFFFFu)},
        {"fmt size 14", riff(join({chunk("fmt ", shortFormat), dataChunk()}))},
        {"data size 0xFFFFFFF0", patched(DATA_SIZE_AT, 0xFFFFFFF0u)},
        {"data size 0x7FFFFFFF", patched(DATA_SIZE_AT, 0x7FFFFFFFu)},
        {"data chunk past the end",
         patched(DATA_SIZE_AT, static_cast<std::uint32_t>(FRAMES * 2 + 2))},
        {"unknown chunk size 0xFFFFFFF0",
         riff(join({fmtChunk(), chunk("LIST", Bytes(6), 0xFFFFFFF0u), dataChunk()}))},
        {"no fmt", riff(dataChunk())},
        {"no data", riff(fmtChunk())},
        {"data before fmt", riff(join({dataChunk(), fmtChunk()}))},
        {"two fmt", riff(join({fmtChunk(), fmtChunk(), dataChunk()}))},
        {"fmt after data", riff(join({fmtChunk(), dataChunk(), fmtChunk()}))},
        {"two data", riff(join({fmtChunk(), dataChunk(), dataChunk()}))},
        {"empty data", riff(join({fmtChunk(), chunk("data", {})}))},
        {"half a frame of data", riff(join({fmtChunk(), chunk("data", Bytes(1))}))},
        {"data not whole frames",
         riff(join({fmtChunk(), chunk("data", Bytes(samples.begin(), samples.end() - 1))}))},
        {"stray bytes after the last chunk", riff(join({goodBody(), Bytes(7)}))},
        {"all zero bytes", Bytes(64)},
        badFormat("float format", with([](FormatFields& f) {
                      f.tag = 3;
                      f.bits = 32;
                  })),
        badFormat("extensible format", with([](FormatFields& f) { f.tag = 0xFFFE; })),
        badFormat("ADPCM format", with([](FormatFields& f) { f.tag = 2; })),
        badFormat("format tag 0", with([](FormatFields& f) { f.tag = 0; })),
        badFormat("no channels", with([](FormatFields& f) { f.channels = 0; })),
        badFormat("three channels", with([](FormatFields& f) { f.channels = 3; })),
        badFormat("24 bits", with([](FormatFields& f) { f.bits = 24; })),
        badFormat("12 bits", with([](FormatFields& f) { f.bits = 12; })),
        badFormat("0 bits", with([](FormatFields& f) { f.bits = 0; })),
        badFormat("rate 0", with([](FormatFields& f) { f.rate = 0; })),
        badFormat("rate 4000", with([](FormatFields& f) { f.rate = 4000; })),
        badFormat("rate 7999", with([](FormatFields& f) { f.rate = 7999; })),
        badFormat("rate 96001", with([](FormatFields& f) { f.rate = 96001; })),
        badFormat("rate 192000", with([](FormatFields& f) { f.rate = 192000; })),
        badFormat("rate 0xFFFFFFFF", with([](FormatFields& f) { f.rate = 0xFFFFFFFFu; })),
        badFormat("block size wrong", with([](FormatFields& f) { f.blockAlign = 4; })),
        badFormat("block size 0", with([](FormatFields& f) { f.blockAlign = 0; })),
        badFormat("byte rate wrong", with([](FormatFields& f) { f.byteRate = 22050; })),
    };
    return cases;
}

std::vector<GoodWave> goodWaves() {
    const FormatFields stereo8 = with([](FormatFields& f) {
        f.channels = 2;
        f.bits = 8;
        f.rate = 11025;
    });
    const FormatFields stereo16 = with([](FormatFields& f) {
        f.channels = 2;
        f.rate = 44100;
    });
    const FormatFields mono8 = with([](FormatFields& f) { f.bits = 8; });
    // The lowest and the highest rate accepted.
    const FormatFields slowest = with([](FormatFields& f) { f.rate = 8000; });
    const FormatFields fastest = with([](FormatFields& f) {
        f.channels = 2;
        f.rate = 96000;
    });
    const FormatFields cbSize = with([](FormatFields& f) { f.extraBytes = 2; });
    return {
        {"16-bit mono 22050", riff(goodBody()), 1, 22050, 16, FRAMES},
        {"8-bit stereo 11025", riff(join({fmtChunk(stereo8), dataChunk(stereo8)})), 2, 11025, 8,
         FRAMES},
        {"16-bit stereo 44100", riff(join({fmtChunk(stereo16), dataChunk(stereo16)})), 2, 44100, 16,
         FRAMES},
        {"16-bit mono 8000", riff(join({fmtChunk(slowest), dataChunk(slowest)})), 1, 8000, 16,
         FRAMES},
        {"16-bit stereo 96000", riff(join({fmtChunk(fastest), dataChunk(fastest)})), 2, 96000, 16,
         FRAMES},
        {"fmt with extension size", riff(join({fmtChunk(cbSize), dataChunk()})), 1, 22050, 16,
         FRAMES},
        {"odd chunk before fmt, padded",
         riff(join({chunk("junk", Bytes(5)), fmtChunk(), dataChunk()})), 1, 22050, 16, FRAMES},
        {"list chunk after data", riff(join({goodBody(), chunk("LIST", Bytes(12))})), 1, 22050, 16,
         FRAMES},
        {"odd data last, without pad",
         riff(join({fmtChunk(mono8), chunk("data", toneSamples(FRAMES, mono8), {}, false)})), 1,
         22050, 8, FRAMES},
        {"bytes after the riff contents", join({riff(goodBody()), Bytes(9, std::byte{0x55})}), 1,
         22050, 16, FRAMES},
    };
}

} // namespace narabe::test
