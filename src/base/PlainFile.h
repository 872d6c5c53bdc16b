// Opening a file for reading only when it is a plain file. Standard library
// and POSIX only.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace vrn {

// The refusal of anything in a file's place that is neither a plain file nor
// a folder: a named pipe, a device, a socket.
std::string notPlainFileText(const std::string& path);

// Opens path ("\" separates folders too) for reading when it is a plain file.
// Anything else is refused at once with the reason: a folder, a named pipe (no
// waiting for a writer), a device, a socket, a loop of symbolic links. The
// file is opened without blocking and checked once open, so that nothing put
// in its place in between can make the reader wait. Returns the open file, or
// null with error set; size receives the file's size.
std::FILE* openPlainFile(const std::string& path, std::string& error, std::uintmax_t* size = nullptr);

}  // namespace vrn
