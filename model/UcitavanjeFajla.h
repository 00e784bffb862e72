#pragma once
#include <cstddef>
#include <string>

// The whole content of a regular file. A folder, a device, a FIFO or a socket is refused at once
// (a FIFO is never waited on), as is a file larger than `najvise` bytes. Throws TGreska with a
// Serbian message naming the path.
std::string ProcitajCeoFajl(const std::string& putanja, size_t najvise);
