// Writing transcript lines and formatting their numbers.
#include "adapters/script/transcript.h"

#include <cmath>
#include <cstdio>

namespace narabe {

void Transcript::line(std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view f : fields) {
        if (!first) out_ << '\t';
        out_ << f;
        first = false;
    }
    out_ << '\n';
}

std::string decimal(double value) {
    double rounded = std::round(value * 100.0) / 100.0;
    if (rounded == 0) rounded = 0; // turns -0 into 0
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", rounded);
    std::string s = buf;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

} // namespace narabe
