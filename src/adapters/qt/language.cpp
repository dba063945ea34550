// Choosing the window's language and putting the game's texts into it.
#include "adapters/qt/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>

#include <cstdlib>

namespace narabe {

namespace {

// The context of the game's texts in its translation files.
constexpr const char* CONTEXT = "narabe";

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string_view(value) : std::string_view();
}

QString translated(const QString& japanese) {
    return QCoreApplication::translate(CONTEXT, japanese.toUtf8().constData());
}

} // namespace

LocaleVariables environmentLocale() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

Language desktopLanguage(const LocaleVariables& locale) {
    std::string_view name = locale.language.substr(0, locale.language.find(':'));
    for (std::string_view v : {locale.lcAll, locale.lcMessages, locale.lang})
        if (name.empty()) name = v;
    // "C", "C.UTF-8", "POSIX": the locale of no language.
    const std::string_view base = name.substr(0, name.find_first_of(".@"));
    if (base.empty() || base == "C" || base == "POSIX") return Language::JAPANESE;
    const std::string_view code = base.substr(0, base.find_first_of("_-"));
    return code == "ja" ? Language::JAPANESE : Language::ENGLISH;
}

std::optional<Language> languageNamed(std::string_view name) {
    if (name == "ja") return Language::JAPANESE;
    if (name == "en") return Language::ENGLISH;
    return std::nullopt;
}

Language windowLanguage(std::optional<Language> named) {
    return named ? *named : desktopLanguage(environmentLocale());
}

std::string_view helpPageOf(Language language) {
    return language == Language::JAPANESE ? "Narabe1.htm" : "Narabe1_en.htm";
}

Translations::Translations(Language language) {
    const QString code =
        language == Language::JAPANESE ? QStringLiteral("ja") : QStringLiteral("en");
    if (qt_.load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt_);
    // The game's texts are Japanese as they stand: only another language has a file.
    if (language != Language::JAPANESE &&
        game_.load(QStringLiteral("narabe_") + code, QStringLiteral(":/translations")))
        QCoreApplication::installTranslator(&game_);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
}

QString windowText(std::string_view japanese) {
    const QString text =
        QString::fromUtf8(japanese.data(), static_cast<qsizetype>(japanese.size()));
    static const QRegularExpression atMove(QStringLiteral("^(\\d+) 手目：(.*)$"));
    static const QRegularExpression recordName(QStringLiteral("^棋譜_(.*)$"));
    static const QRegularExpression reason(QStringLiteral("^(.+)（(.+)）$"));
    if (const QRegularExpressionMatch m = atMove.match(text); m.hasMatch())
        return translated(QStringLiteral("%1 手目：%2"))
            .arg(m.captured(1), translated(m.captured(2)));
    if (const QRegularExpressionMatch m = recordName.match(text); m.hasMatch())
        return translated(QStringLiteral("棋譜_%1")).arg(m.captured(1));
    if (QString whole = translated(text); whole != text) return whole;
    // A message with the system's reason after it: "棋譜を保存できませんでした（…）".
    if (const QRegularExpressionMatch m = reason.match(text); m.hasMatch())
        return translated(QStringLiteral("%1（%2）")).arg(translated(m.captured(1)), m.captured(2));
    return translated(text);
}

} // namespace narabe
