#include "support/TestSupport.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

#include "base/NumberText.h"

namespace vrn::test {

MsgRecorder::MsgRecorder() {
    previous_ = setMsgHandler([this](const MsgRequest& r) {
        messages_.push_back(r);
        if (!script_.empty()) {
            MsgAnswer a = script_.front();
            script_.pop_front();
            return a;
        }
        return firstAnswer(r.buttons);
    });
    previousBeep_ = setBeepHandler([this] { ++beeps_; });
}

MsgRecorder::~MsgRecorder() {
    setMsgHandler(previous_);
    setBeepHandler(previousBeep_);
}

NumberLocaleGuard::NumberLocaleGuard(char decimal, char group) {
    NumberLocale old = numberLocale();
    decimal_ = old.decimal;
    group_ = old.group;
    setNumberLocale(decimal, group);
}

NumberLocaleGuard::~NumberLocaleGuard() { setNumberLocale(decimal_, group_); }

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("varnolt-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace vrn::test
