#include "framework/system/FileReplacement.h"

#include <windows.h>

#include <cassert>
#include <cstdio>
#include <string_view>
#include <vector>

namespace fw {
namespace {

// Our temporary files are "~UV", four upper-case hex digits and ".tmp": eleven characters, as
// many as "Velmora.exe", so that the temporary path fits wherever the target's path does; and
// distinctive enough that removing such files from the target's folder removes only ours.
constexpr std::string_view temporaryPrefix = "~UV";
constexpr std::string_view temporarySuffix = ".tmp";
constexpr std::size_t temporaryDigits = 4;
constexpr int temporaryNameCount = 0x10000;

std::string temporaryName(int number)
{
    char name[16];
    std::snprintf(name, sizeof name, "~UV%04X.tmp", static_cast<unsigned>(number));
    return name;
}

// The number in one of our temporary names; -1 for any other name.
int temporaryNumber(std::string_view name)
{
    if (name.size() != temporaryPrefix.size() + temporaryDigits + temporarySuffix.size() ||
        !name.starts_with(temporaryPrefix) || !name.ends_with(temporarySuffix))
        return -1;
    int number = 0;
    for (char c : name.substr(temporaryPrefix.size(), temporaryDigits)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return -1;
        number = number * 16 + digit;
    }
    return number;
}

// What goes before a file name to put it in the path's folder: the path up to its last
// separator, "X:" for a drive-relative "X:name", nothing for a bare name.
std::string folderPrefixOf(const std::string& path)
{
    const std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos)
        return path.substr(0, separator + 1);
    if (path.size() >= 2 && path[1] == ':')
        return path.substr(0, 2);
    return {};
}

// Removes the temporary files that earlier runs left in the folder (a crash, a power cut) and
// tells which numbers they had. Those numbers are not reused in this run: a file that someone
// still holds open stays, and a removed one may keep its name until its last handle is closed.
std::vector<bool> removeStaleTemporaryFiles(const std::string& folderPrefix)
{
    std::vector<bool> isTaken(temporaryNameCount, false);
    WIN32_FIND_DATAA found;
    // The wildcard also matches short 8.3 names, so every long name is checked again.
    const UniqueFileSearch search(
        FindFirstFileA((folderPrefix + std::string(temporaryPrefix) + "*").c_str(), &found));
    if (!search)
        return isTaken;
    do {
        const int number = temporaryNumber(found.cFileName);
        if (number < 0 || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        isTaken[static_cast<std::size_t>(number)] = true;
        DeleteFileA((folderPrefix + found.cFileName).c_str());
    } while (FindNextFileA(search.get(), &found));
    return isTaken;
}

}  // namespace

ExclusiveAccess probeExclusiveAccess(const std::string& path)
{
    // Windows refuses to open a read-only file for writing, but Wine running as root opens it all
    // the same (it keeps the attribute as missing write permission bits, which root ignores).
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return ExclusiveAccess::Denied;
    }
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
    // single step.
    const std::string folder = folderPrefixOf(targetPath_);
    const std::vector<bool> isTaken = removeStaleTemporaryFiles(folder);
    int attempts = 0;
    for (int number = 0; number < temporaryNameCount && attempts < 100; ++number) {
        if (isTaken[number])
            continue;
        ++attempts;
        std::string candidate = folder + temporaryName(number);
        // CREATE_NEW: a file of that name made meanwhile (another updater at work) is never
        // overwritten or removed.
        file_.reset(CreateFileA(candidate.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
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

bool FileReplacement::readBack(const std::function<void(std::span<const std::byte>)>& consume)
{
    LARGE_INTEGER start{};
    if (!file_ || !SetFilePointerEx(file_.get(), start, nullptr, FILE_BEGIN))
        return false;
    std::vector<std::byte> piece(64 * 1024);
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(file_.get(), piece.data(), static_cast<DWORD>(piece.size()), &read, nullptr))
            return false;
        if (read == 0)
            return true;  // end of file
        consume(std::span(piece).first(read));
    }
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
