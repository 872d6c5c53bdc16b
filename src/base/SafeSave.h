// Saving a file so that a failure never leaves it cut off, and the failure
// texts of file operations. Standard library and POSIX only.
#pragma once

#include <string>
#include <string_view>

namespace vrn {

// Saves bytes as the file path without ever writing into the file itself:
// they go into a new file of a unique name beside the target, which then
// replaces it in one step, so that a failure at any point leaves an existing
// file whole. A symbolic link is followed and its target replaced (the link
// stays); the file keeps its permissions (a new one gets the usual ones).
// Refused with a failure text: a read-only file, a folder or other non-plain
// file, a folder where no new file can be made, and every failed write.
bool saveFileSafely(const std::string& path, std::string_view bytes, std::string& error);

// The failure text (German) for an errno value of an operation on path.
std::string fileErrorText(int err, const std::string& path);

}  // namespace vrn
