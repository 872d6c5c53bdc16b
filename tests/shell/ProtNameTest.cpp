#include "shell/ProtName.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

TEST(ProtName, FirstFreeNameOfTheDay) {
    TempFolder dir;
    EXPECT_EQ(autoProtName(dir.str(), 2024, 5, 7), "24050701.CSV");
    for (int i = 1; i <= 9; ++i) writeFile(dir.file("2405070" + std::to_string(i) + ".CSV"), "");
    EXPECT_EQ(autoProtName(dir.str(), 2024, 5, 7), "24050710.CSV");
    EXPECT_EQ(autoProtName(dir.str(), 2024, 5, 8), "24050801.CSV");   // another day
    EXPECT_EQ(autoProtName(dir.str(), 2009, 12, 31), "09123101.CSV");
    std::filesystem::create_directory(dir.file("24050710.CSV"));      // a folder is not a file
    EXPECT_EQ(autoProtName(dir.str(), 2024, 5, 7), "24050710.CSV");
}

TEST(ProtName, AfterNinetyNineTheSerialGrows) {
    TempFolder dir;
    for (int i = 1; i <= 99; ++i)
        writeFile(dir.file("240507" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".CSV"), "");
    EXPECT_EQ(autoProtName(dir.str(), 2024, 5, 7), "240507100.CSV");
    writeFile(dir.file("240507100.CSV"), "");
    EXPECT_EQ(autoProtName(dir.str(), 2024, 5, 7), "240507101.CSV");
}

TEST(ProtName, TodayInTheProgramFolderWhichBecomesCurrent) {
    TempFolder dir;
    const auto saved = std::filesystem::current_path();
    resetAppState(dir.str());
    const std::string name = SetAutoProtName();
    EXPECT_EQ(std::filesystem::current_path(), dir.path());
    std::filesystem::current_path(saved);
    ASSERT_EQ(name.size(), 12u);
    EXPECT_EQ(name.substr(6), "01.CSV");
    writeFile(dir.file(name), "");
    EXPECT_EQ(SetAutoProtName().substr(6), "02.CSV");
    std::filesystem::current_path(saved);
}
