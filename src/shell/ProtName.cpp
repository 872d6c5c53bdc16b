#include "shell/ProtName.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "shell/AppState.h"
#include "shell/Helpers.h"

namespace vrn {

namespace {
std::string twoDigits(int v) {
    v = ((v % 100) + 100) % 100;
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}
}  // namespace

CalendarDate today() {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

std::string autoProtName(const CalendarDate& date, const std::function<bool(const std::string&)>& exists) {
    const std::string stem = twoDigits(date.year) + twoDigits(date.month) + twoDigits(date.day);
    std::string name;
    for (int nn = 1; nn <= 9999; ++nn) {
        name = stem + (nn < 10 ? "0" : "") + std::to_string(nn) + ".CSV";
        if (!exists(name)) break;
    }
    return name;
}

std::string autoProtName(const std::string& folder, int year, int month, int day) {
    return autoProtName(CalendarDate{year, month, day},
                        [&folder](const std::string& name) { return FileExists(joinPath(folder, name)); });
}

std::string SetAutoProtName() {
    std::error_code ec;
    if (!app.AppPath.empty()) std::filesystem::current_path(app.AppPath, ec);
    const CalendarDate d = today();
    return autoProtName(app.AppPath, d.year, d.month, d.day);
}

}  // namespace vrn
