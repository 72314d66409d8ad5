#pragma once
// Replacing a file whole, so that it is never seen truncated or half written: the new content is
// written to a temporary file beside the target and then renamed over it in one step. Until that
// rename the target is untouched; after it the target holds all of the new content.
//
// Every file-system call goes through the installed FileSystem (framework/system/FileSystem.h).
// Errors: these functions report failure by their result, never by exception; lastError() holds
// the reason of a replacement's last failed call.

#include "framework/system/FileSystem.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>

namespace fw {

enum class ExclusiveAccess {
    Granted,     // the file exists and nobody else has it open
    NoSuchFile,  // there is no file at that path (the folder exists)
    InUse,       // another program has it open (a running program's image, a scanner reading it)
    Denied,      // read-only, not accessible, a folder, or its folder does not exist
};

// Opens the file for reading and writing without sharing and closes it again. The file is not
// created and not changed.
ExclusiveAccess probeExclusiveAccess(const std::string& path);

enum class CommitResult {
    Committed,    // the target now holds the new content
    TargetInUse,  // another program holds the target or the temporary file open; the target is as it was
    Failed,       // anything else; the target is as it was
};

// The new content of one file: a temporary file in the target's folder, removed again by the
// destructor unless commit() has put it in the target's place. Neither copyable nor movable: it
// lives in the scope of one replacement.
class FileReplacement {
public:
    // Removes the temporary files that earlier runs left in the target's folder, then creates a
    // new one there, "~UV" + four hex digits + ".tmp", never reusing an existing file. No other
    // file of the folder is touched.
    explicit FileReplacement(std::string targetPath);
    ~FileReplacement();

    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    bool isOpen() const noexcept { return static_cast<bool>(file_); }
    const std::string& temporaryPath() const noexcept { return temporaryPath_; }
    FileError lastError() const noexcept { return lastError_; }

    // Writes all of `bytes` in a single WriteFile call, straight from the caller's memory.
    // False if the file is not open or fewer bytes were written (e.g. the disk is full).
    bool write(std::span<const std::byte> bytes);

    // Reads the temporary file from its start to its end, handing the bytes to `consume` piece by
    // piece: what commit() would put in the target's place. False if the file is not open or
    // cannot be read to its end. Further writes append after what was read.
    bool readBack(const std::function<void(std::span<const std::byte>)>& consume);

    // Flushes the temporary file to disk, closes it and renames it over the target (replacing an
    // existing target). Anything but Committed leaves the target as it was; after TargetInUse,
    // commit() may be called again to try the rename again. A temporary file that was never
    // committed is removed by the destructor.
    CommitResult commit();

private:
    bool fail(FileError error);

    FileSystem& files_;
    std::string targetPath_;
    std::string temporaryPath_;
    OpenedFile file_;
    bool isClosed_ = false;     // flushed and closed: only the rename is left to do
    bool isCommitted_ = false;
    FileError lastError_ = 0;
};

}  // namespace fw
