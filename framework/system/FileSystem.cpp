#include "framework/system/FileSystem.h"

#include "framework/system/InputlessWait.h"
#include "framework/win32/Handles.h"

#include <windows.h>

#include <utility>

namespace fw {
namespace {

FileError errorOf(BOOL isDone) { return isDone ? ERROR_SUCCESS : GetLastError(); }

class Win32FileSystem final : public FileSystem {
public:
    FileError attributes(const std::string& path, unsigned long& attributes) override
    {
        attributes = GetFileAttributesA(path.c_str());
        return attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_SUCCESS;
    }

    FileError open(const std::string& path, OpenMode mode, native::KernelHandle& file) override
    {
        const DWORD disposition = mode == OpenMode::NewExclusive ? CREATE_NEW : OPEN_EXISTING;
        HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        file = opened == INVALID_HANDLE_VALUE ? nullptr : opened;
        return file ? ERROR_SUCCESS : GetLastError();
    }

    FileError write(native::KernelHandle file, std::span<const std::byte> bytes, std::size_t& written) override
    {
        written = 0;
        if (bytes.size() > MAXDWORD)  // one WriteFile call moves at most 4 GiB - 1
            return ERROR_INVALID_PARAMETER;
        DWORD count = 0;
        const BOOL isDone = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &count, nullptr);
        written = count;
        return errorOf(isDone);
    }

    FileError flush(native::KernelHandle file) override { return errorOf(FlushFileBuffers(file)); }

    FileError read(native::KernelHandle file, std::uint64_t offset, std::span<std::byte> into,
                   std::size_t& read) override
    {
        // On a handle opened for synchronous use the offset only says where to start; the call
        // still returns when the bytes are there, and the file pointer ends after them.
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD count = 0;
        const BOOL isDone = ReadFile(file, into.data(), static_cast<DWORD>(into.size()), &count, &at);
        read = count;
        // Reading at or past the end with an offset fails with ERROR_HANDLE_EOF rather than
        // answering no bytes.
        if (!isDone && GetLastError() == ERROR_HANDLE_EOF) {
            read = 0;
            return ERROR_SUCCESS;
        }
        return errorOf(isDone);
    }

    FileError close(native::KernelHandle file) override { return errorOf(CloseHandle(file)); }

    FileError move(const std::string& from, const std::string& to) override
    {
        // Not ReplaceFileA: it can move a running program's image aside and so succeed while that
        // program keeps running from the renamed file. MoveFileExA onto a running image fails.
        return errorOf(MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    }

    FileError remove(const std::string& path) override { return errorOf(DeleteFileA(path.c_str())); }

    FileError find(const std::string& pattern, std::vector<FoundFile>& found) override
    {
        found.clear();
        WIN32_FIND_DATAA entry;
        const UniqueFileSearch search(FindFirstFileA(pattern.c_str(), &entry));
        if (!search) {
            const DWORD error = GetLastError();
            return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error;
        }
        do {
            found.push_back({entry.cFileName, (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
        } while (FindNextFileA(search.get(), &entry));
        const DWORD error = GetLastError();
        return error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error;
    }

    std::chrono::steady_clock::time_point now() override { return std::chrono::steady_clock::now(); }

    void pause(std::chrono::milliseconds duration) override { waitIgnoringInput(duration); }
};

FileSystem* installed = nullptr;

}  // namespace

FileSystem& realFileSystem()
{
    static Win32FileSystem files;
    return files;
}

FileSystem& installedFileSystem() { return installed ? *installed : realFileSystem(); }

ScopedFileSystem::ScopedFileSystem(FileSystem& replacement) : previous_(std::exchange(installed, &replacement)) {}

ScopedFileSystem::~ScopedFileSystem() { installed = previous_; }

OpenedFile::OpenedFile(OpenedFile&& other) noexcept
    : files_(other.files_), handle_(std::exchange(other.handle_, nullptr))
{
}

OpenedFile& OpenedFile::operator=(OpenedFile&& other) noexcept
{
    if (this != &other) {
        close();
        files_ = other.files_;
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

FileError OpenedFile::close() noexcept
{
    if (!handle_)
        return ERROR_SUCCESS;
    return files_->close(std::exchange(handle_, nullptr));
}

}  // namespace fw
