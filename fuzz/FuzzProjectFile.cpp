// Fuzzes the project file reader: it either refuses the input with a failure
// text, or returns a project with a real model number and finite rate
// constants, which written and read again gives the same text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "shell/ProjectFile.h"

using namespace vrn;
using vrn::fuzz::check;
using vrn::fuzz::fileBytes;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProjectFileContent c;
    std::string error;
    if (!parseProjectFile(bytes, c, error)) {
        check(!error.empty());
        return 0;
    }
    check(isModellNummer(c.modell));
    for (double k : c.k) check(std::isfinite(k));
    std::vector<std::string> first, second;
    check(formatProjectFile(c, first, error));
    check(first.size() == static_cast<std::size_t>(kVrpZeilen));
    ProjectFileContent again;
    check(parseProjectFile(fileBytes(first), again, error));
    check(again.modell == c.modell && again.kommentar == c.kommentar);
    check(formatProjectFile(again, second, error));
    check(first == second);
    return 0;
}
