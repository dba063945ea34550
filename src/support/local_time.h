// The time of day on the desktop's clock, in its time zone: for the date written in a game
// record and the name proposed for a record file.
#pragma once

namespace narabe {

struct LocalTime {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    int hour = 0;
    int minute = 0;
};

LocalTime localTimeNow();

} // namespace narabe
