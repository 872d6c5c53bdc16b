// Dated names of the reactor protocol files: yymmddNN.CSV.
#pragma once

#include <string>

namespace vrn {

// The first free protocol name of a day in the folder: yymmdd01.CSV, then
// 02, 03 and so on ("free": no ordinary file of that name in the folder).
// After 99 the serial goes on with three and then four digits (yymmdd100.CSV);
// when even yymmdd9999.CSV exists, that name is returned, so the search
// always ends.
std::string autoProtName(const std::string& folder, int year, int month, int day);

// Makes the program folder the current directory and returns the first free
// protocol name of today in it (a bare name). Shows no message.
std::string SetAutoProtName();

}  // namespace vrn
