// The command line's options and texts.
#include "adapters/qt/command_line.h"

#include <array>
#include <string_view>

namespace narabe {

namespace {

constexpr std::string_view USAGE = "Usage: narabe [--help] [--version] [--lang ja|en] [FILE.sgf]\n";

constexpr std::string_view HELP =
    "NarabeI (NarabeⅠ): five in a row on a 19 x 19 board, against a person or the computer.\n"
    "\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "  --lang L    the window's language: ja (Japanese) or en (English); by default\n"
    "              Japanese under a Japanese locale or none (C, POSIX), else English\n"
    "  FILE.sgf    open this game record (SGF) once the window shows\n"
    "\n"
    "Qt's own options, such as -platform NAME or -display NAME, are passed to Qt.\n"
    "\n"
    "Files: started in a folder that holds the game's sound files, the game reads its\n"
    "sounds and help page there and keeps Narabe1.ini there. Otherwise it reads them from\n"
    "its installed data folder (PREFIX/share/narabe1) and keeps Narabe1.ini in\n"
    "$XDG_CONFIG_HOME/narabe1 (by default ~/.config/narabe1).\n";

// Qt's options that the game leaves to Qt: those that take a value, then those that do not.
constexpr std::array<std::string_view, 12> QT_OPTIONS_WITH_VALUE = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr std::array<std::string_view, 2> QT_FLAGS = {"reverse", "widgetcount"};

template <std::size_t N>
bool among(std::string_view name, const std::array<std::string_view, N>& names) {
    for (std::string_view n : names)
        if (n == name) return true;
    return false;
}

// The option's name without its one or two leading dashes and without "=VALUE".
std::string_view optionName(std::string_view arg, bool& hasValue) {
    arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
    const auto equals = arg.find('=');
    hasValue = equals != std::string_view::npos;
    return arg.substr(0, equals);
}

} // namespace

CommandLine readCommandLine(int argc, const char* const* argv, std::ostream& out,
                            std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            out << USAGE << HELP;
            return {0, {}, {}};
        }
        if (arg == "--version") {
            out << "narabe (NarabeⅠ) " << NARABE_VERSION << '\n';
            return {0, {}, {}};
        }
    }
    CommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        bool inline_value = false;
        if (arg.size() > 1 && arg[0] == '-') {
            const std::string_view name = optionName(arg, inline_value);
            if (arg.starts_with("--") && name == "lang") {
                const std::string_view value =
                    inline_value ? arg.substr(arg.find('=') + 1)
                                 : (i + 1 < argc ? std::string_view(argv[++i]) : "");
                line.language = languageNamed(value);
                if (line.language) continue;
                err << "narabe: --lang takes ja or en, not '" << value << "'\n" << USAGE;
                return {2, {}, {}};
            }
            if (among(name, QT_FLAGS) && !inline_value) continue;
            if (among(name, QT_OPTIONS_WITH_VALUE)) {
                if (!inline_value) ++i; // the value is the next argument
                if (i < argc) continue;
            }
        } else if (!line.record) {
            line.record = std::filesystem::path(arg);
            continue;
        }
        if (arg.size() > 1 && arg[0] == '-')
            err << "narabe: unknown option '" << arg << "'\n";
        else
            err << "narabe: one game record at a time, not also '" << arg << "'\n";
        err << USAGE;
        return {2, {}, {}};
    }
    return line;
}

} // namespace narabe
