// Helpers shared by the tests: a message recorder with scripted answers,
// a number-locale guard and a temporary folder. It brings the standard
// headers the tests use throughout (maths, limits, tuples, containers).
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <deque>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

#include "platform/MsgBox.h"
#include "shell/AppState.h"
#include "shell/FileDialogs.h"
#include "shell/Hooks.h"

namespace vrn::test {

// Records every message box and answers from a script (then the first button).
class MsgRecorder {
public:
    MsgRecorder();
    ~MsgRecorder();
    MsgRecorder(const MsgRecorder&) = delete;
    MsgRecorder& operator=(const MsgRecorder&) = delete;

    void answer(MsgAnswer a) { script_.push_back(a); }
    const std::vector<MsgRequest>& messages() const { return messages_; }
    std::size_t count() const { return messages_.size(); }
    const MsgRequest& last() const { return messages_.back(); }
    void clear() { messages_.clear(); }
    int beeps() const { return beeps_; }

private:
    MsgHandler previous_;
    BeepHandler previousBeep_;
    std::deque<MsgAnswer> script_;
    std::vector<MsgRequest> messages_;
    int beeps_ = 0;
};

// Gives a variable its present value back at the end of the scope.
template <class T>
class Restore {
public:
    explicit Restore(T& v) : ref_(v), saved_(v) {}
    ~Restore() { ref_ = saved_; }
    Restore(const Restore&) = delete;
    Restore& operator=(const Restore&) = delete;

private:
    T& ref_;
    T saved_;
};

// Sets the number separators for the lifetime of the guard.
class NumberLocaleGuard {
public:
    NumberLocaleGuard(char decimal, char group);
    ~NumberLocaleGuard();

private:
    char decimal_, group_;
};

// A fresh temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// Whether a message box showed exactly this text, title and icon; the failure names what differs.
::testing::AssertionResult isMessage(const MsgRequest& m, const std::string& text, const std::string& title,
                                     MsgIcon icon);
// Whether the recorder holds exactly one message box, and that one with this text, title and icon.
::testing::AssertionResult isOnlyMessage(const MsgRecorder& rec, const std::string& text, const std::string& title,
                                         MsgIcon icon);

// Replaces the data set (ExpDaten, nExpPunkte) by n points made by fill(point, index 1..n).
void setDataSet(int n, const std::function<void(Messpunkt&, int)>& fill);
// Replaces the data set by rows of t, c(A), T, k.
void setDataRows(std::initializer_list<std::array<double, 4>> rows);

// The save and open boxes answer with this path (empty: cancelled); each request is kept in *asked.
void answerFileBoxes(const std::string& path, SaveBoxRequest* asked = nullptr);
// The open dialog answers with this bare name in this folder.
void answerOpenDialog(const std::string& name, const std::string& folder);

// A named pipe for the tests of the readers, with a guard against a reader
// that waits on it for a writer: a step run through endsAlone() that has not
// ended after the time limit gets the pipe opened by the guard (for reading
// and writing, which never blocks) and closed again, until it ends; a reader
// waiting to open then sees an empty pipe, so that the test fails instead of
// hanging.
class Fifo {
public:
    explicit Fifo(std::string path);
    ~Fifo();
    Fifo(const Fifo&) = delete;
    Fifo& operator=(const Fifo&) = delete;
    const std::string& path() const { return path_; }
    // Runs the step; true when it ended on its own, within the limit.
    bool endsAlone(const std::function<void()>& step, int limitSeconds = 5) const;

private:
    std::string path_;
};

// How a step run in a child process ended: whether the child ended normally,
// else the signal that ended it, and the text the step returned.
struct InChild {
    bool exited = false;
    int signal = 0;
    std::string text;
};
// Runs `step` in a child process (a fork of the test), so that what it does
// to the process (a resource limit, a signal that ends it) stays there.
InChild runInChild(const std::function<std::string()>& step);

// What a step run as an unprivileged user said: whether it refused, and its text.
struct Unprivileged {
    bool exited = false;  // the child ended normally
    bool refused = false;
    std::string text;
};
// Runs `step` in a child process as an unprivileged user (root may write
// anywhere, so a refusal for want of permission needs another user); step
// returns whether it refused and its text.
Unprivileged runUnprivileged(const std::function<std::pair<bool, std::string>()>& step);

// Reads a whole file as bytes.
std::string readFile(const std::string& path);
// Writes bytes to a file.
void writeFile(const std::string& path, const std::string& bytes);

}  // namespace vrn::test
