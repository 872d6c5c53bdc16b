// The block text of the data grids: the cells of a rectangle of the grid as
// one text, a Tab between the cells of a row and a carriage return between
// rows, no separator after the last row. Used by the grid component for copy
// and paste and by the editors that read pasted blocks into their data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vrn {

using BlockText = std::vector<std::vector<std::string>>;  // rows of cells

// Splits block text into rows of cells. Rows end at CR LF, at a lone CR or at
// a lone LF, so that text from programs that end lines with LF reads the same
// way; one line break at the very end closes the last row and adds no empty
// row. Cells are separated by Tab. The empty text gives no row.
BlockText splitBlockText(std::string_view text);

// Joins rows of cells: Tab between cells, CR between rows, nothing after the last.
std::string joinBlockText(const BlockText& rows);

}  // namespace vrn
