#pragma once
// Replacing a file's whole content so that a failure or a kill leaves either
// the old file or the new one, never a mix, and so that nobody sharing the
// directory can redirect the write.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zentra {

// Creates the temporary file of a replacement: a new file, exclusively, never
// through a link, private to the user. Gives a descriptor open for writing, or
// -1 with errno set. Tests substitute one to act out file systems they cannot
// make (a read-only directory for root, a full disk).
using TemporaryFileOpener = std::function<int(const std::filesystem::path& path)>;

// Writes text as the whole content of path. A link is written through to the
// existing file it points at; a broken link, a directory or any other
// non-regular file is refused, and so is a file the user may not write (for
// root: a file without any write bit). The text goes to a new file beside the
// target with a random name, which takes the target's mode, owner and group
// where permitted and is synced before it is renamed over the target. When the
// directory does not let the user create that file, an existing writable
// target is overwritten in place. Returns nullopt on success, else why not.
std::optional<std::string> replaceFileContent(const std::filesystem::path& path,
                                              std::string_view text,
                                              const TemporaryFileOpener& openTemporary = {});

}  // namespace zentra
