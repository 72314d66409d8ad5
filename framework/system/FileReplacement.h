#pragma once
// Replacing a file whole, so that it is never seen truncated or half written: the new content is
// written to a temporary file beside the target and then renamed over it in one step. Until that
// rename the target is untouched; after it the target holds all of the new content.
//
// Errors: these functions report failure by their result (false / Denied), never by exception;
// GetLastError() holds the reason right after a failed call.

#include "framework/win32/Handles.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>

namespace fw {

enum class ExclusiveAccess {
    Granted,     // the file exists and nobody else has it open
    NoSuchFile,  // there is no file at that path (the folder exists)
    Denied,      // open elsewhere without sharing (e.g. a running program's image), read-only,
                 // not accessible, or its folder does not exist
};

// Opens the file for reading and writing without sharing and closes it again. The file is not
// created and not changed.
ExclusiveAccess probeExclusiveAccess(const std::string& path);

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

    bool isOpen() const noexcept { return file_.isValid(); }
    const std::string& temporaryPath() const noexcept { return temporaryPath_; }

    // Writes all of `bytes` in a single WriteFile call, straight from the caller's memory.
    // False if the file is not open or fewer bytes were written (e.g. the disk is full).
    bool write(std::span<const std::byte> bytes);

    // Reads the temporary file from its start to its end, handing the bytes to `consume` piece by
    // piece: what commit() would put in the target's place. False if the file is not open or
    // cannot be read to its end. Further writes append after what was read.
    bool readBack(const std::function<void(std::span<const std::byte>)>& consume);

    // Flushes the temporary file to disk, closes it and renames it over the target (replacing an
    // existing target). False leaves the target as it was; the temporary file is then removed by
    // the destructor. Call at most once.
    bool commit();

private:
    std::string targetPath_;
    std::string temporaryPath_;
    UniqueFile file_;
    bool isCommitted_ = false;
};

}  // namespace fw
