// Dated names of the reactor protocol files: yymmddNN.CSV.
#pragma once

#include <functional>
#include <string>

namespace vrn {

// A calendar date of the local clock.
struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Today by the local clock.
CalendarDate today();

// The first free protocol name of a day: yymmdd01.CSV, then 02, 03 and so on,
// "free" meaning exists(name) is false. After 99 the serial goes on with three
// and then four digits (yymmdd100.CSV); when even yymmdd9999.CSV exists, that
// name is returned, so the search always ends.
std::string autoProtName(const CalendarDate& date, const std::function<bool(const std::string&)>& exists);

// The same rule with "exists" meaning an ordinary file of that name in the folder.
std::string autoProtName(const std::string& folder, int year, int month, int day);

// Makes the program folder the current directory and returns the first free
// protocol name of today in it (a bare name). Shows no message.
std::string SetAutoProtName();

}  // namespace vrn
