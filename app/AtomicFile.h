#pragma once
// Small files of ours replaced in one step and read with a size limit. A
// writer killed at any moment leaves the complete old file or the complete new
// one; the temporaries such a writer leaves go with the next write.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Replaces the file at `path`, or at the end of the symbolic links it names,
// with `content`: a temporary in the same folder, flushed to the disk, renamed
// over it, then the folder flushed. False when the old file stays as it was:
// a read-only file, something other than a plain file, a missing folder, any
// failure on the way. Leftover temporaries of this file up to
// `temporaryLimit` bytes are removed first; larger ones were not ours.
bool ReplaceFileAtomically(const std::string& path, std::string_view content,
                           std::size_t temporaryLimit = 4096);

enum class TReadStatus { rsRead, rsMissing, rsUnreadable };

struct TFileStart {
    TReadStatus Status = TReadStatus::rsMissing;
    std::string Bytes;       // at most the limit
    bool Truncated = false;  // the file holds more than the limit
};

// The first `limit` bytes of the plain file at `path`. Something other than a
// plain file (a folder, a FIFO, a device) is unreadable and never waited on.
[[nodiscard]] TFileStart ReadFileStart(const std::string& path, std::size_t limit);

// Renames the file (or the link) at `path` to `path` + "." + `tag`, or, when
// that name is taken, + "-2", "-3" and so on: an earlier file of that name is
// never replaced. The new path, or nothing when the rename failed.
[[nodiscard]] std::optional<std::string> MoveFileAside(const std::string& path, std::string_view tag);
