#pragma once
// The file-system calls of a whole-file replacement, behind one interface, so that a test can make
// any one of them fail the way Windows does (a sharing violation, access denied, a full disk, a
// short write) and look at what is left. The real one calls Win32. Every replacement uses the
// installed one: the real one, unless a test has put another in its place (ScopedFileSystem).
// Like SQLite's file-system layer, it also carries the clock and the pause of the retries, so
// that a test can wait out three seconds of a locked file without sleeping.
//
// Errors: every call answers 0 when it is done, else the Win32 error code (ERROR_...) of its
// failure, never an exception. Handles are those of CreateFileA; an OpenedFile owns one and gives
// it back through the same file system.

#include "framework/win32/NativeTypes.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <vector>

namespace fw {

using FileError = unsigned long;

enum class OpenMode {
    ExistingExclusive,  // an existing file, for reading and writing, shared with nobody; never created
    NewExclusive,       // a new file, for reading and writing, shared with nobody; never an existing one
};

struct FoundFile {
    std::string name;  // without its folder
    bool isFolder = false;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // GetFileAttributesA: FILE_ATTRIBUTE_... bits.
    virtual FileError attributes(const std::string& path, unsigned long& attributes) = 0;
    // CreateFileA; `file` is null unless the call is done.
    virtual FileError open(const std::string& path, OpenMode mode, native::KernelHandle& file) = 0;
    // One WriteFile call at the file pointer; a short write is done with `written` < the size.
    virtual FileError write(native::KernelHandle file, std::span<const std::byte> bytes, std::size_t& written) = 0;
    // FlushFileBuffers.
    virtual FileError flush(native::KernelHandle file) = 0;
    // One ReadFile call from `offset`; `read` 0 at the end of the file.
    virtual FileError read(native::KernelHandle file, std::uint64_t offset, std::span<std::byte> into,
                           std::size_t& read) = 0;
    // CloseHandle; the handle is gone afterwards, also when the call failed.
    virtual FileError close(native::KernelHandle file) = 0;
    // MoveFileExA in one step, replacing `to` if it exists, returning once it is on the disk.
    virtual FileError move(const std::string& from, const std::string& to) = 0;
    // DeleteFileA.
    virtual FileError remove(const std::string& path) = 0;
    // FindFirstFileA / FindNextFileA: every entry matching `pattern` (a path with wildcards in its
    // last part). No match is done, with nothing found.
    virtual FileError find(const std::string& pattern, std::vector<FoundFile>& found) = 0;

    // The retries' clock, and their pause between two attempts.
    virtual std::chrono::steady_clock::time_point now() = 0;
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

// The real file system: Win32, the steady clock, and a pause during which the thread goes on
// dispatching its messages, input to its windows aside (waitIgnoringInput).
FileSystem& realFileSystem();
// The one replacements use now.
FileSystem& installedFileSystem();

// Puts `replacement` in the real one's place for its own lifetime (tests); restores the previous one.
class ScopedFileSystem {
public:
    explicit ScopedFileSystem(FileSystem& replacement);
    ~ScopedFileSystem();
    ScopedFileSystem(const ScopedFileSystem&) = delete;
    ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

private:
    FileSystem* previous_;
};

// The owner of one handle opened through a file system: closes it through that file system, in
// the destructor unless close() did so before. Move-only.
class OpenedFile {
public:
    OpenedFile() noexcept = default;
    OpenedFile(FileSystem& files, native::KernelHandle handle) noexcept : files_(&files), handle_(handle) {}
    ~OpenedFile() { close(); }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
    OpenedFile(OpenedFile&& other) noexcept;
    OpenedFile& operator=(OpenedFile&& other) noexcept;

    native::KernelHandle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }

    // Closes the file now: 0, or the error of the close (the handle is gone either way).
    FileError close() noexcept;

private:
    FileSystem* files_ = nullptr;
    native::KernelHandle handle_ = nullptr;
};
static_assert(!std::is_copy_constructible_v<OpenedFile>);

}  // namespace fw
