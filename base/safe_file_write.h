#pragma once
// Replacing a file's whole content so that a failure or a kill leaves either
// the old file or the new one, never a mix, and so that nobody sharing the
// directory can redirect the write.

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/expected.h"

namespace zentra {

// Creates the temporary file of a replacement: a new file, exclusively, never
// through a link, private to the user. Gives a descriptor open for writing, or
// -1 with errno set. Tests substitute one to act out file systems they cannot
// make (a read-only directory for root, a full disk).
using TemporaryFileOpener = std::function<int(const std::filesystem::path& path)>;

// What a test may put in place of the file system's own calls.
struct FileSaveHooks {
    FileSaveHooks(TemporaryFileOpener opener = {}) : openTemporary(std::move(opener)) {}
    TemporaryFileOpener openTemporary;
    // Writes all of bytes at offset; false with errno set (a disk that fills up).
    std::function<bool(int fd, std::string_view bytes, off_t offset)> writeAt;
};

// Writes text as the whole content of path. A link is written through to the
// existing file it points at, as far as checkLinks allows; a broken link, a
// directory or any other non-regular file is refused, and so is a file the
// user may not write (for root: a file without any write bit). The text goes
// to a new file beside the target with a random name, held locked while it is
// written, which takes the target's mode, owner and group where permitted and
// is synced before it is renamed over the target; such files left by killed
// saves of the same target are removed first. When the directory does not let
// the user create that file, an existing writable target is overwritten in
// place: the new size is reserved first, and on any failure the old content
// is written back. A missing folder is not created. The error names path.
Expected<void> writeFileContent(const std::filesystem::path& path, std::string_view text,
                                const FileSaveHooks& hooks = {});

// Fails when path cannot be created because its folder is missing or is no
// folder.
Expected<void> checkFolderExists(const std::filesystem::path& path);

// Moves a damaged file out of the way beside itself, as FILE.damaged (or
// FILE.damaged.2 and on, never over an earlier one).
struct SetAside {
    std::optional<std::filesystem::path> aside;  // where it went
    std::string problem;                         // why it stayed, when it did
};
SetAside setAsideDamaged(const std::filesystem::path& path);

}  // namespace zentra
