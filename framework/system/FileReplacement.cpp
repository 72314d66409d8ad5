#include "framework/system/FileReplacement.h"

#include <windows.h>

#include <cassert>

namespace fw {

ExclusiveAccess probeExclusiveAccess(const std::string& path)
{
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file)
        return ExclusiveAccess::Granted;
    return GetLastError() == ERROR_FILE_NOT_FOUND ? ExclusiveAccess::NoSuchFile
                                                  : ExclusiveAccess::Denied;
}

FileReplacement::FileReplacement(std::string targetPath) : targetPath_(std::move(targetPath))
{
    // The temporary file must be in the target's folder: only a rename within one volume is a
    // single step. Its name extends the target's, so it lands beside it whatever form the path
    // has (absolute, relative, drive-relative "\Velmora.exe").
    const std::string stem = targetPath_ + "." + std::to_string(GetCurrentProcessId()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = stem + std::to_string(attempt) + ".tmp";
        // CREATE_NEW: a file of that name left by someone else is never overwritten or removed.
        file_.reset(CreateFileA(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file_) {
            temporaryPath_ = std::move(candidate);
            return;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return;
    }
}

FileReplacement::~FileReplacement()
{
    file_.reset();  // a file must be closed before it can be deleted
    if (!isCommitted_ && !temporaryPath_.empty())
        DeleteFileA(temporaryPath_.c_str());
}

bool FileReplacement::write(std::span<const std::byte> bytes)
{
    if (!file_ || bytes.size() > MAXDWORD)  // one WriteFile call moves at most 4 GiB - 1
        return false;
    DWORD written = 0;
    const BOOL isWritten = WriteFile(file_.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                     &written, nullptr);
    return isWritten && written == bytes.size();
}

bool FileReplacement::commit()
{
    assert(!isCommitted_);
    if (!file_)
        return false;
    // The rename must not reach the disk before the data does, or a power cut could leave the
    // target named but empty.
    if (!FlushFileBuffers(file_.get()))
        return false;
    file_.reset();
    // Not ReplaceFileA: it can move a running program's image aside and so succeed while that
    // program keeps running from the renamed file. MoveFileExA onto a running image fails.
    if (!MoveFileExA(temporaryPath_.c_str(), targetPath_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return false;
    isCommitted_ = true;
    return true;
}

}  // namespace fw
