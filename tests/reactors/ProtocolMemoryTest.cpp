// What reading a protocol file back for the clipboard costs in memory: the
// clipboard text it makes, not a list of its lines. This program counts every
// allocation of its own.
#include "reactors/Protocol.h"
#include "support/CountingAllocator.h"
#include "support/TestSupport.h"

using namespace vrn;
using namespace vrn::test;

TEST(ProtocolMemory, ReadingBackGrowsWithTheTextNotWithTheLines) {
    TempFolder dir;
    // 4 MB of line ends after one line: 8 MB of clipboard text (CR LF each).
    const std::size_t lines = 4'000'000;
    writeFile(dir.file("24050701.CSV"), "c_A(A);k1;\n" + std::string(lines, '\n'));
    std::string text;
    const std::size_t before = heap::now();
    heap::resetPeak();
    ASSERT_TRUE(protocolClipboardText(dir.file("24050701.CSV"), ";", text));
    const std::size_t peak = heap::peak() - before;
    ASSERT_EQ(text.size(), 12 + 2 * lines);
    EXPECT_EQ(text.substr(0, 14), "c_A(A)\tk1\t\r\n\r\n");
    // The text and, while it grows, its previous copy; far below one string per line.
    EXPECT_LT(peak, 4 * text.size()) << "bytes allocated at the peak";
}
