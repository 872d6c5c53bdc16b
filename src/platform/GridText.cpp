#include "platform/GridText.h"

namespace vrn {

BlockText splitBlockText(std::string_view text) {
    BlockText rows;
    if (text.empty()) return rows;
    std::vector<std::string> row(1);
    std::size_t i = 0;
    while (i < text.size()) {
        const char ch = text[i];
        if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            rows.push_back(std::move(row));
            row.assign(1, std::string());
            ++i;
            if (i == text.size()) return rows;  // a closing line break adds no row
            continue;
        }
        if (ch == '\t') row.emplace_back();
        else row.back() += ch;
        ++i;
    }
    rows.push_back(std::move(row));
    return rows;
}

std::string joinBlockText(const BlockText& rows) {
    std::string out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0) out += '\r';
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0) out += '\t';
            out += rows[r][c];
        }
    }
    return out;
}

}  // namespace vrn
