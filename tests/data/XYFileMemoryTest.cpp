// What loading an x-y file costs in memory: the points kept, not the lines
// read. This program counts every allocation of its own; the process's peak
// (maxrss) is shown beside it.
#include <cstdio>

#include <sys/resource.h>

#include "data/XYFile.h"
#include "data/XYFileDialogs.h"
#include "support/CountingAllocator.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

namespace {

long maxRssKiB() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

// Loads the file through the editor's load as a user picks it; the bytes
// allocated at the peak of the load.
std::size_t peakOfLoading(const std::string& path) {
    answerFileBoxes(path);
    std::string titel, kommentar;
    bool cancel = true;
    const std::size_t before = heap::now();
    heap::resetPeak();
    ladeXYDatei(titel, kommentar, cancel);
    EXPECT_FALSE(cancel) << path;
    return heap::peak() - before;
}

}  // namespace

TEST(XYFileMemory, AFileOfLineEndsCostsNoMoreThanASmallFile) {
    TempFolder dir;
    resetAppState(dir.str());
    Restore<FileDialogHooks> dialogs{vrn::hooks().fileDialogs};
    MsgRecorder rec;
    // Just under the reader's limit: 8 MB of line ends around two points.
    const std::string ends(kMaxXYDateiBytes - 32, '\n');
    writeFile(dir.file("klein.XY"), "Messung\r\n1;2\r\n3;4\r\n");
    writeFile(dir.file("zeilenenden.XY"), "Messung\r\n1;2\r\n" + ends + "3;4\r\n");
    ASSERT_LE(readFile(dir.file("zeilenenden.XY")).size(), kMaxXYDateiBytes);

    const long rssBefore = maxRssKiB();
    const std::size_t klein = peakOfLoading(dir.file("klein.XY"));
    const long rssKlein = maxRssKiB();
    const std::size_t gross = peakOfLoading(dir.file("zeilenenden.XY"));
    const long rssGross = maxRssKiB();
    std::printf("bytes allocated at the peak: small file %zu, 8 MB of line ends %zu; "
                "process peak %ld -> %ld -> %ld KiB\n",
                klein, gross, rssBefore, rssKlein, rssGross);
    EXPECT_LT(gross, klein + 50'000'000u) << "bytes allocated at the peak";
    EXPECT_LT(gross, 1'000'000u) << "bytes allocated at the peak";
    // Both give the same list.
    ASSERT_EQ(app.nXYPunkte, 2);
    EXPECT_EQ(std::tuple(app.XYDaten[1].x, app.XYDaten[1].y, app.XYDaten[2].x, app.XYDaten[2].y),
              std::tuple(1.0f, 2.0f, 3.0f, 4.0f));
    EXPECT_EQ(rec.count(), 0u);
}
