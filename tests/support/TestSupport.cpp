#include "support/TestSupport.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "base/NumberText.h"
#include "shell/StateOwner.h"

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

::testing::AssertionResult isMessage(const MsgRequest& m, const std::string& text, const std::string& title,
                                     MsgIcon icon) {
    if (m.text == text && m.title == title && m.icon == icon) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "message \"" << m.text << "\" titled \"" << m.title << "\", icon "
                                         << static_cast<int>(m.icon);
}

::testing::AssertionResult isOnlyMessage(const MsgRecorder& rec, const std::string& text, const std::string& title,
                                         MsgIcon icon) {
    if (rec.count() != 1) return ::testing::AssertionFailure() << rec.count() << " messages instead of one";
    return isMessage(rec.last(), text, title, icon);
}

void setDataSet(int n, const std::function<void(Messpunkt&, int)>& fill) {
    // One change, as a window that writes a data set makes it.
    Aenderung aenderung;
    app.ExpDaten.assign(static_cast<std::size_t>(n + 1), Messpunkt{});
    app.nExpPunkte = static_cast<Integer>(n);
    for (int i = 1; i <= n; ++i) fill(app.ExpDaten[static_cast<std::size_t>(i)], i);
    datensatzGeschrieben();
}

void setDataRows(std::initializer_list<std::array<double, 4>> rows) {
    setDataSet(static_cast<int>(rows.size()), [&rows](Messpunkt& p, int i) {
        const auto& r = *(rows.begin() + (i - 1));
        p.t = r[0];
        p.c[1] = r[1];
        p.Temp = r[2];
        p.k = r[3];
    });
}

InChild runInChild(const std::function<std::string()>& step) {
    InChild c;
    int fd[2];
    if (::pipe(fd) != 0) return c;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fd[0]);
        const std::string text = step();
        (void)!::write(fd[1], text.data(), text.size());
        ::_exit(0);
    }
    ::close(fd[1]);
    char buf[1024];
    for (ssize_t n; (n = ::read(fd[0], buf, sizeof buf)) > 0;) c.text.append(buf, static_cast<std::size_t>(n));
    ::close(fd[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    c.exited = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    c.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return c;
}

Unprivileged runUnprivileged(const std::function<std::pair<bool, std::string>()>& step) {
    // The first character tells: "R" refused, "S" saved, "U" no other user to be had.
    const InChild c = runInChild([&step] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) return std::string("U");
        const auto [refused, text] = step();
        return (refused ? "R" : "S") + text;
    });
    Unprivileged u;
    u.exited = c.exited && !c.text.empty() && c.text[0] != 'U';
    u.refused = u.exited && c.text[0] == 'R';
    if (u.exited) u.text = c.text.substr(1);
    return u;
}

Fifo::Fifo(std::string path) : path_(std::move(path)) {
    if (::mkfifo(path_.c_str(), 0644) != 0) ADD_FAILURE() << "no named pipe made at " << path_;
}

Fifo::~Fifo() { ::unlink(path_.c_str()); }

bool Fifo::endsAlone(const std::function<void()>& step, int limitSeconds) const {
    std::mutex m;
    std::condition_variable cv;
    bool done = false, helped = false;
    std::thread guard([&] {
        std::unique_lock<std::mutex> lock(m);
        if (cv.wait_for(lock, std::chrono::seconds(limitSeconds), [&] { return done; })) return;
        helped = true;
        // Opening both ends never blocks; the reader waiting to open the pipe
        // goes on, and once the guard has closed it again, reads its end.
        while (!done) {
            lock.unlock();
            const int fd = ::open(path_.c_str(), O_RDWR | O_NONBLOCK);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (fd >= 0) ::close(fd);
            lock.lock();
            cv.wait_for(lock, std::chrono::milliseconds(50), [&] { return done; });
        }
    });
    step();
    {
        std::lock_guard<std::mutex> lock(m);
        done = true;
    }
    cv.notify_all();
    guard.join();
    return !helped;
}

void answerFileBoxes(const std::string& path, SaveBoxRequest* asked) {
    auto box = [path, asked](const SaveBoxRequest& r, std::string& chosen) {
        if (asked) *asked = r;
        chosen = path;
        return !path.empty();
    };
    hooks().fileDialogs.askSaveFileName = box;
    hooks().fileDialogs.askOpenFileName = box;
}

void answerOpenDialog(const std::string& name, const std::string& folder) {
    hooks().fileDialogs.openDialog = [name, folder](OpenDialogRequest& r) {
        r.fileName = name;
        r.directory = folder;
        return true;
    };
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
