#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

// The write(2) that puts the content into the file; tests pass one that fails part-way, to see that
// a failed save keeps the old file. nullptr means ::write.
using TFunkcijaUpisa = ssize_t (*)(int fd, const void* podaci, size_t n);

// Replaces the content of the file at `putanja` by `sadrzaj`, so that afterwards the file holds
// either its old content or the whole new one:
// - a symbolic link is followed: the file it points to gets the content and the link stays a link;
// - the content goes into a temporary file beside the target (created exclusively, its name within
//   the file system's name limit), is synced, and the temporary file is renamed over the target;
//   then the folder is synced, so the rename survives a power cut;
// - an existing file keeps its permissions and, where the system allows it, its owner and group;
// - a file without write permission is refused and left as it is, even for a user who could
//   replace it;
// - when the folder does not allow a new file but the file itself may be written, or the file has
//   several hard links (which a new file would break), the file is written in place: the new
//   content first goes whole into a journal (DnevnikSnimanja.h), the old content is read into
//   memory and written back if the write fails, and the journal is removed when the file is done;
// - temporary files that earlier saves of the same target left behind (cut off by a crash) are
//   removed, once they are StarostZaostalogPrivremenog seconds old;
// - a folder, a device or a FIFO is refused at once.
// Every failure throws TGreska with a Serbian message and leaves no temporary file behind.
void SnimiFajlBezbedno(const std::string& putanja, std::string_view sadrzaj, TFunkcijaUpisa upis = nullptr);

inline constexpr long StarostZaostalogPrivremenog = 60;

// The temporary file's name for a target name, at most `najvise` bytes long: the name shortened
// as needed, a dot in front and a random part behind.
std::string ImePrivremenogFajla(const std::string& ime, size_t najvise, unsigned slucajno);
