// Parsing and writing the protocol's words, numbers and points.
#include "adapters/brain/protocol_text.h"

#include <charconv>
#include <limits>

namespace narabe {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

Words firstWord(std::string_view text) {
    text = trimmed(text);
    std::size_t end = 0;
    while (end < text.size() && !isBlank(text[end]))
        ++end;
    return {text.substr(0, end), trimmed(text.substr(end))};
}

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    text = trimmed(text);
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<std::vector<std::int64_t>> numberFields(std::string_view text) {
    std::vector<std::int64_t> fields;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::optional<std::int64_t> n = wholeNumber(text.substr(0, comma));
        if (!n) return std::nullopt;
        fields.push_back(*n);
        if (comma == std::string_view::npos) return fields;
        text.remove_prefix(comma + 1);
    }
}

std::optional<Point> pointText(std::string_view text) {
    const auto fields = numberFields(text);
    if (!fields || fields->size() != 2) return std::nullopt;
    constexpr std::int64_t LOW = std::numeric_limits<int>::min();
    constexpr std::int64_t HIGH = std::numeric_limits<int>::max();
    for (const std::int64_t n : *fields)
        if (n < LOW - FIRST_POINT || n > HIGH - FIRST_POINT) return std::nullopt;
    return Point{static_cast<int>((*fields)[0] + FIRST_POINT),
                 static_cast<int>((*fields)[1] + FIRST_POINT)};
}

std::string pointLine(Point p) {
    return std::to_string(std::int64_t{p.x} - FIRST_POINT) + "," +
           std::to_string(std::int64_t{p.y} - FIRST_POINT);
}

} // namespace narabe
