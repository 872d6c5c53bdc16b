// The alarm of the owner of the shared state in the GUI tests: a write of a
// part the windows show that no change announced fails the test that made
// it. The owner's idle check runs where the program's event loop would run
// it, before every mouse click and key a test sends, when a test lets the
// queued events run (test::processEvents) and when a test ends; the thorough
// check also catches points written without datensatzGeschrieben(). With the
// environment variable VARNOLT_ALARM_TRACE set, each alarm also prints the
// stack where it was raised (the check that found the write, so the code that
// ran after the write: the next change opened, the next click).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vrn::test {

// Installs the alarm, the checks before user input and the check at the end
// of every test (once, from the main of the GUI tests).
void installStateAlarm();

// The owner's idle check now, as the event loop runs it when it falls idle.
void idleCheck();

// Runs `f` with the alarm silenced and returns the alarm texts it would have
// raised (for the tests of the alarm itself).
std::vector<std::string> alarmsOf(const std::function<void()>& f);

}  // namespace vrn::test
