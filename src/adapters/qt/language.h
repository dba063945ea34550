// The window's language: Japanese, the game's own, or English. It follows the desktop's
// locale variables or the command line; the game's texts reach the window in Japanese and
// are put into the window's language here, and Qt's own dialogs and buttons follow it.
#pragma once

#include <QString>
#include <QTranslator>

#include <optional>
#include <string_view>

namespace narabe {

enum class Language { JAPANESE, ENGLISH };

// The locale variables as the environment holds them; an unset one is empty.
struct LocaleVariables {
    std::string_view language;   // LANGUAGE: a list of names separated by colons
    std::string_view lcAll;      // LC_ALL
    std::string_view lcMessages; // LC_MESSAGES
    std::string_view lang;       // LANG
};

// The process's own locale variables.
LocaleVariables environmentLocale();

// The desktop's language, read as Qt reads it: the first name of LANGUAGE, else the first
// set of LC_ALL, LC_MESSAGES and LANG. Japanese when that names Japanese or when none is set
// (empty, C or POSIX), English otherwise.
Language desktopLanguage(const LocaleVariables& locale);

// The language named by `--lang`: "ja" or "en".
std::optional<Language> languageNamed(std::string_view name);

// The window's language: the one named on the command line, else the desktop's.
Language windowLanguage(std::optional<Language> named);

// The help page of the language, in the data folder.
std::string_view helpPageOf(Language language);

// Makes the application speak `language` while it lives: Qt's own texts (file dialogs,
// standard buttons) and, in English, the game's. Needs a QCoreApplication.
class Translations {
  public:
    explicit Translations(Language language);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

  private:
    QTranslator qt_;
    QTranslator game_;
};

// A text of the game, as the game writes it in Japanese, in the window's language. A record's
// fault at a move ("12 手目：…") and a record's proposed file name ("棋譜_….sgf") keep their
// number.
QString windowText(std::string_view japanese);

} // namespace narabe
