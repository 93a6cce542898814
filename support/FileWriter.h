// The one writer of every file the program makes: whole or not at all, never through a trap.
#pragma once

#include "support/FileReader.h"

#include <optional>
#include <string>

/// Writes `bytes` to `path`. Returns the message for the user when the file was not written,
/// always naming the file and the reason: "Cannot write file "x": Permission denied".
///
/// - A regular file is replaced: the bytes go to a temporary file created exclusively (never
///   through an existing name or link) in the target's folder, are flushed to the disk, and
///   the temporary is renamed over the target, then the folder is flushed. Readers and
///   concurrent writers see the old file or one whole new file, never a mix. The target keeps
///   its permission bits (and, written by root, its owner and group); a new file gets
///   0666 less the umask. The temporary never stays behind after a failure; one left by a
///   killed process is removed by a later write once it is an hour old and its process gone.
/// - A symbolic link is followed to the file it names (a relative link from its own folder),
///   which is written as above, so the link stays a link. A link to nothing is refused.
/// - A target that is not a regular file (a device, a FIFO) is written in place, and a name of
///   one of the process's own streams ("/dev/stdout", see ownDescriptorNamed) through that
///   stream.
/// - A regular file with several hard links is written in place, under an exclusive lock, so
///   that every one of its names sees the new content; such a write is not atomic.
/// - A read-only target is refused and left as it was: one without any write permission bit
///   (for every user, root included), or one the user may not write.
[[nodiscard]] std::optional<std::string> writeFileAtomically(const std::string& path,
                                                             const std::string& bytes);

/// The message writeFileAtomically would give before writing anything at `path` (a read-only
/// target, a folder the user may not write, a link to nothing), or nothing when it would try.
[[nodiscard]] std::optional<std::string> writeRefusal(const std::string& path);

/// Whether the system's access check lets this process write the file or folder `path`, which
/// must exist. Unlike writeRefusal it lets root write what has no write permission bits.
[[nodiscard]] bool accessAllowsWriting(const std::string& path);
