// Expected transcript lines.
#include "script/expected.h"

#include <array>

namespace narabe::test {

namespace {

const std::array<std::string, 5> FILES = {"その他.wav", "禁止.wav", "石打音.wav", "終局.wav",
                                          "BGM.wav"};

std::string place(int x, int y) {
    if (x == 1) return y == 1 ? "UEHIDARI" : y == 19 ? "SITAHIDARI" : "HIDARINAKA";
    if (x == 19) return y == 1 ? "UEMIGI" : y == 19 ? "SITAMIGI" : "MIGINAKA";
    return y == 1 ? "UENAKA" : y == 19 ? "SITANAKA" : "NAKA";
}

} // namespace

std::string pointLine(const std::string& picture, int x, int y) {
    return "picture\t" + picture + "\t" + std::to_string(300 + 315 * x) + "\t" +
           std::to_string(50 + 315 * y);
}

std::string emptyPicture(int x, int y) {
    const bool star = (x == 5 || x == 10 || x == 15) && (y == 5 || y == 10 || y == 15);
    return star ? "KARANAKATEN" : "KARA" + place(x, y);
}

std::string stonePicture(const std::string& prefix, int x, int y) {
    return prefix + place(x, y);
}

std::vector<std::string> soundLoadLines() {
    std::vector<std::string> l{"dsInitialize\t1"};
    for (std::size_t i = 0; i < FILES.size(); ++i)
        l.push_back("dsCreateDSB\t" + FILES[i] + "\t" + (i == 4 ? "1" : "3"));
    return l;
}

std::vector<std::string> labelLines() {
    std::vector<std::string> l{
        "text\t741\t81.5\t10\t15\tA   B   C   D   E   F   G   H   J    K   L   M   N   O   P"
        "   Q   R    S   T"};
    for (int i = 1; i <= 19; ++i)
        l.push_back("text\t300\t" + std::to_string(81 + 315 * i) + ".5\t9\t15\t " +
                    std::to_string(i) + " ");
    return l;
}

std::vector<std::string> emptyBoardLines() {
    std::vector<std::string> l;
    for (int x = 1; x <= 19; ++x)
        for (int y = 1; y <= 19; ++y)
            l.push_back(pointLine(emptyPicture(x, y), x, y));
    return l;
}

std::vector<std::string> startupLines(const std::vector<std::string>& soundLines,
                                      const std::vector<std::string>& settingsLines) {
    std::vector<std::string> l = soundLines;
    l.push_back("window\t-60\t-60\t9000\t8000");
    l.push_back("check\tBANGOU\t0");
    for (const auto& s : labelLines())
        l.push_back(s);
    for (const auto& s : settingsLines)
        l.push_back(s);
    l.push_back("fill\t6915\t1940\t1800\t2600\t2");
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& s : emptyBoardLines())
            l.push_back(s);
    l.push_back("picture\tPG_NAME\t6915\t207.5");
    return l;
}

std::vector<std::string> shutdownLines(bool device, const std::vector<bool>& loaded) {
    std::vector<std::string> l;
    for (std::size_t i = 0; i < FILES.size(); ++i)
        l.push_back("dsFree\t" + (loaded.at(i) ? FILES[i] : std::string("0")));
    if (device) l.push_back("dsTerminate");
    l.push_back("end");
    return l;
}

} // namespace narabe::test
