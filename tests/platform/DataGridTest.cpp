#include "platform/DataGrid.h"
#include "support/GuiTestSupport.h"

using namespace vrn;

namespace {

// A grid like the data-set editor's: 6 columns, 2 fixed, check box in column 1.
class Grid : public ::testing::Test {
protected:
    void SetUp() override {
        g.setColumnCountWithWidths(6);
        g.setFixedColumns(2);
        g.setCheckBoxColumn(1);
        g.resize(600, 300);
        g.show();
        g.activateWindow();
        QApplication::setActiveWindow(&g);
        g.setFocus();
        for (const char* row : {"1\t\ta1\tb1\tc1\td1", "2\t\ta2\tb2\tc2\td2", "3\t\ta3\tb3\tc3\td3"})
            g.addRow(row);
        g.onKeyPressEdit = [this](int r, int c, int& key) {
            edits.push_back({r, c, key, g.cellText(r, c)});
            if (key == 'x') key = 0;
            if (key == '.') key = ',';
        };
    }
    QPoint centre(int r, int c) { return g.cellRect(r, c).center(); }
    struct Edit {
        int row, col, key;
        QString textThen;
    };
    test::GuiTest env;
    DataGrid g;
    std::vector<Edit> edits;
};

}  // namespace

TEST_F(Grid, RowsFromTabTextWithCheckBoxAndColours) {
    g.addRow("4\tignored\tonly");
    g.addRow("5\t\t1\t2\t3\t4\t5\t6");
    EXPECT_EQ(std::tuple(g.rowCount(), g.cellText(3, 2), g.cellText(3, 3)), std::tuple(5, "only", ""));
    EXPECT_EQ(g.cellText(3, 1), "") << "the check-box column shows no text";
    EXPECT_EQ(g.cellText(4, 5), "4") << "cells beyond the last column are dropped";
    g.setCellChecked(1, 1, true);
    EXPECT_EQ(std::tuple(g.isCellChecked(1, 1), g.isCellChecked(0, 1)), std::tuple(true, false));
    g.setCellBackColour(0, 2, RGB(240, 240, 240));
    EXPECT_EQ(std::tuple(g.cellBackColour(0, 2), g.cellBackColour(0, 3), g.cellText(9, 9)),
              std::tuple(RGB(240, 240, 240), -1, ""));
    g.clearRows();
    EXPECT_EQ(g.rowCount(), 0);
}

TEST_F(Grid, SelectionTextHasTabsBetweenCellsAndOneCarriageReturnBetweenRows) {
    g.setSelectionRect(0, 2, 0, 4);
    EXPECT_EQ(g.selectionText(), "a1\tb1\tc1");
    g.setSelectionRect(2, 5, 1, 0);  // any corner order
    const DataGrid::Rect r = g.selectionRect();
    EXPECT_EQ((std::array{r.row1, r.col1, r.row2, r.col2}), (std::array{1, 0, 2, 5}));
    EXPECT_EQ(g.selectionText(), "2\t\ta2\tb2\tc2\td2\r3\t\ta3\tb3\tc3\td3");
    g.setCurrentCell(1, 3);
    EXPECT_EQ(g.selectionText(), "b2");
}

TEST_F(Grid, BlockTextFillsTheSelectionOnly) {
    g.setSelectionRect(0, 3, 1, 4);
    g.setSelectionText("X\tY\tZ\r\nU\r\nbeyond");
    EXPECT_EQ(std::tuple(g.cellText(0, 3), g.cellText(0, 4)), std::tuple("X", "Y"));
    EXPECT_EQ(g.cellText(0, 5), "d1") << "text beyond the selection is ignored";
    EXPECT_EQ(g.cellText(1, 3), "U");
    EXPECT_EQ(g.cellText(1, 4), "c2") << "a short row leaves the rest of the block";
    EXPECT_EQ(g.cellText(2, 3), "b3");
}

TEST_F(Grid, TypedKeysPassTheHandlerAndEnterReportsAfterTheCellHoldsTheText) {
    g.setCurrentCell(1, 2);
    QTest::keyClick(&g, Qt::Key_1);
    QWidget* ed = QApplication::focusWidget();
    ASSERT_TRUE(qobject_cast<QLineEdit*>(ed));
    for (Qt::Key k : {Qt::Key_Period, Qt::Key_X, Qt::Key_5, Qt::Key_Return}) QTest::keyClick(ed, k);
    test::processEvents();
    EXPECT_EQ(g.cellText(1, 2), "1,5");
    ASSERT_EQ(edits.size(), 5u);
    // The cell holds the text when Enter is reported.
    EXPECT_EQ(std::tuple(edits.back().key, edits.back().textThen, edits.back().row, edits.back().col),
              std::tuple(13, "1,5", 1, 2));

    // Esc keeps the old text and reports nothing; a swallowed first key opens no editor.
    edits.clear();
    QTest::keyClick(&g, Qt::Key_7);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    test::processEvents();
    EXPECT_EQ(std::tuple(g.cellText(1, 2), edits.size()), std::tuple("1,5", 1u));
    QTest::keyClick(&g, Qt::Key_X);
    EXPECT_EQ(QApplication::focusWidget(), &g);

    // Fixed columns are never edited.
    edits.clear();
    g.setCurrentCell(1, 0);
    QTest::keyClick(&g, Qt::Key_9);
    EXPECT_EQ(std::tuple(edits.empty(), g.cellText(1, 0)), std::tuple(true, "2"));
}

TEST_F(Grid, KeysOnTheGridAreReportedInClassicCodes) {
    std::vector<std::pair<int, int>> keys;
    g.onKeyDown = [&](int& code, int shift) { keys.push_back({code, shift}); };
    g.setCurrentCell(0, 2);
    for (auto [k, m] : {std::pair{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
                        {Qt::Key_Delete, Qt::NoModifier}, {Qt::Key_Down, Qt::ShiftModifier}})
        QTest::keyClick(&g, k, m);
    EXPECT_EQ(keys, (std::vector<std::pair<int, int>>{{67, 2}, {86, 2}, {46, 0}, {40, 1}}));
    EXPECT_EQ(g.cellText(0, 2), "a1") << "Delete is the owner's to handle";
    // A swallowed key does not move the current cell.
    g.onKeyDown = [](int& code, int) { code = 0; };
    g.setCurrentCell(0, 2);
    QTest::keyClick(&g, Qt::Key_Down);
    EXPECT_EQ(g.currentRow(), 0);
}

TEST_F(Grid, MouseMarksRowsPicksCellsAndRightButtonKeepsTheSelection) {
    int picked = 0, changes = 0;
    std::vector<int> buttons;
    g.onCellPicked = [&] { ++picked; };
    g.onRowColChange = [&] { ++changes; };
    g.onMouseDown = [&](int b, int, int, int) { buttons.push_back(b); };

    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centre(1, 0));
    DataGrid::Rect r = g.selectionRect();
    EXPECT_EQ((std::array{r.row1, r.col1, r.row2, r.col2}), (std::array{1, 2, 1, 5}));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(2, 1));
    r = g.selectionRect();
    EXPECT_EQ(std::tuple((std::array{r.row1, r.row2}), g.currentRow()), std::tuple((std::array{1, 2}), 1));

    QTest::mouseClick(g.viewport(), Qt::RightButton, {}, centre(0, 4));
    r = g.selectionRect();
    EXPECT_EQ((std::array{r.row1, r.row2}), (std::array{1, 2})) << "the right button leaves the selection";
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, centre(0, 4));
    EXPECT_EQ(std::tuple(g.currentRow(), g.currentColumn(), picked, buttons),
              std::tuple(0, 4, 3, std::vector<int>{1, 1, 2, 1}));
    EXPECT_GT(changes, 0);

    // While redraw is off, moving the current cell reports nothing.
    changes = 0;
    g.setRedraw(false);
    g.setCurrentCell(2, 3);
    g.setRedraw(true);
    EXPECT_EQ(changes, 0);
}
