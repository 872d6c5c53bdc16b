// What reading a data-set file costs in memory, and that a lack of memory is
// refused with a message. This program counts every allocation of its own.

#include "platform/ChartTemplate.h"
#include "shell/DataFile.h"
#include "shell/ProjectFile.h"
#include "support/CountingAllocator.h"
#include "support/TestSupport.h"

using namespace vrn;

TEST(FileMemory, ReadingNeedsMemoryForWhatItKeepsNotForTheFile) {
    test::TempFolder dir;
    resetAppState(dir.str());
    const std::string head = "k\r\ns\r\nh\r\n1\r\n";
    const std::string point = "1,1,0,0,0,0,0,0,0,0,0,0,0\r\n";
    // 16 MB of line ends before the one point, a point line of 900,000
    // commas, and one of 16 MB.
    const std::tuple<std::string, bool, const char*> files[] = {
        {head + std::string(16'000'000, '\n') + point, true, ""},
        {head + std::string(900'000, ',') + "\r\n", false, "Zeile 5: 13 Werte erwartet, 900001 gefunden."},
        {head + std::string(16'000'000, ',') + "\r\n", false, "Zeile 5 ist zu lang"}};
    for (const auto& [bytes, loads, says] : files) {
        test::writeFile(dir.file("gross.VRD"), bytes);
        test::MsgRecorder rec;
        bool ok = false;
        const std::size_t before = test::heap::now();
        test::heap::resetPeak();
        LoadDataFile(dir.file("gross.VRD"), false, ok);
        EXPECT_EQ(ok, loads);
        EXPECT_LT(test::heap::peak() - before, 4'000'000u) << "bytes allocated at the peak";
        if (!loads) {
            EXPECT_NE(rec.last().text.find(says), std::string::npos) << rec.last().text;
        }
    }
}

TEST(FileMemory, AChartTemplateIsReadWithBoundedMemory) {
    test::TempFolder dir;
    const std::string head = "VARNOLT-Diagrammvorlage 1\r\n";
    // 20 MB of line ends, 4 MB of them behind the template's first line, and 20 MB without a line end.
    const std::pair<std::string, const char*> files[] = {
        {std::string(20'000'000, '\n'), "Zeile 1: Die Datei ist keine VARNOLT-Diagrammvorlage."},
        {head + std::string(4'000'000, '\n'), "Zeile 4000001: Die Datei endet vorzeitig."},
        {std::string(20'000'000, 'x'), "Zeile 1: Die Datei ist keine VARNOLT-Diagrammvorlage."}};
    for (const auto& [bytes, says] : files) {
        test::writeFile(dir.file("gross.oc2"), bytes);
        ChartModel m = defaultChartModel();
        const std::size_t before = test::heap::now();
        test::heap::resetPeak();
        const ChartTemplateResult r = loadChartTemplate(dir.file("gross.oc2"), m);
        EXPECT_LT(test::heap::peak() - before, 1'000'000u) << "bytes allocated at the peak";
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.message.find(says), std::string::npos) << r.message;
    }
}

TEST(FileMemory, LackOfMemoryIsRefusedWithAMessage) {
    test::TempFolder dir;
    resetAppState(dir.str());
    std::string bytes = "k\r\ns\r\nh\r\n30000\r\n";
    for (int i = 0; i < 30000; ++i) bytes += "1,1,0,0,0,0,0,0,0,0,0,0,0\r\n";
    test::writeFile(dir.file("viel.VRD"), bytes);
    test::writeFile(dir.file("p.VRP"), "d\r\nk\r\nviel.VRD\r\n 2 \r\n.1,0,0\r\n0\r\n0\r\n0\r\n0\r\n0,0,0,0\r\n0\r\n0\r\n0,0\r\nx\r\nx\r\n");
    test::MsgRecorder rec;
    bool ok = false;
    std::string datName;
    LoadDataFile(dir.file("viel.VRD"), false, ok);
    ASSERT_EQ(app.nExpPunkte, 30000);
    test::heap::setLimit(test::heap::now() + 100'000);  // too little for writing or reading 30000 points
    EXPECT_NO_THROW(WriteDataFile(dir.file("neu.VRD"), ok));
    EXPECT_FALSE(ok);
    EXPECT_NO_THROW(LoadDataFile(dir.file("viel.VRD"), false, ok));
    test::heap::setLimit(test::heap::now() + 1000);
    EXPECT_NO_THROW(LoadProjectFile(dir.file("p.VRP"), datName, ok));
    test::heap::setLimit(SIZE_MAX);
    EXPECT_FALSE(ok);
    ASSERT_EQ(rec.count(), 3u);
    EXPECT_EQ(rec.messages()[0].title, "Meldung von WriteDataFile");
    EXPECT_EQ(rec.messages()[1].title, "Meldung von LoadDataFile");
    for (int i : {0, 1}) EXPECT_NE(rec.messages()[static_cast<std::size_t>(i)].text.find("Nicht genügend Arbeitsspeicher"), std::string::npos);
    EXPECT_EQ(app.nExpPunkte, 30000);  // the data set stays whole
    EXPECT_FALSE(std::filesystem::exists(dir.file("neu.VRD")));
    EXPECT_EQ(rec.messages()[2].text, "Projektfile hat falsches Format");
}
