// Writes the sample projects and data sets into a folder:
//   make_samples resources/samples
#include <iostream>

#include "SampleData.h"
#include "shell/TextFile.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_samples <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    for (const auto& f : vrn::samples::makeSamples()) {
        std::string error;
        if (!vrn::writeTextLines(folder + "/" + f.name, f.lines, error)) {
            std::cerr << error << "\n";
            return 1;
        }
        std::cout << folder << "/" << f.name << "\n";
    }
    return 0;
}
