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

// Removes the temporary files that earlier runs left in the folder (a crash, a power cut, a
// removal that failed) and tells which numbers they had. Those numbers are not reused in this
// run: a file that someone still holds open stays, and a removed one may keep its name until its
// last handle is closed. A folder that cannot be searched is not cleaned this time.
std::vector<bool> removeStaleTemporaryFiles(FileSystem& files, const std::string& folderPrefix)
{
    std::vector<bool> isTaken(temporaryNameCount, false);
    std::vector<FoundFile> found;
    if (files.find(folderPrefix + std::string(temporaryPrefix) + "*", found) != ERROR_SUCCESS)
        return isTaken;
    // The wildcard also matches short 8.3 names, so every long name is checked again.
    for (const FoundFile& entry : found) {
        const int number = temporaryNumber(entry.name);
        if (number < 0 || entry.isFolder)
            continue;
        isTaken[static_cast<std::size_t>(number)] = true;
        files.remove(folderPrefix + entry.name);
    }
    return isTaken;
}

bool isLockError(FileError error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

// Access denied on a plain file that is not read-only is someone else holding it: a running
// program's image is refused that way by MoveFileExA.
bool isHeldPlainFile(FileSystem& files, const std::string& path)
{
    unsigned long attributes = 0;
    return files.attributes(path, attributes) == ERROR_SUCCESS &&
           !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace

ExclusiveAccess probeExclusiveAccess(const std::string& path)
{
    FileSystem& files = installedFileSystem();
    // Windows refuses to open a read-only file for writing, but Wine running as root opens it all
    // the same (it keeps the attribute as missing write permission bits, which root ignores).
    // Attributes that cannot be read cannot say it is not read-only.
    unsigned long attributes = 0;
    const FileError attributeError = files.attributes(path, attributes);
    if (isLockError(attributeError))
        return ExclusiveAccess::InUse;
    const bool isAbsent = attributeError == ERROR_FILE_NOT_FOUND || attributeError == ERROR_PATH_NOT_FOUND;
    if (attributeError == ERROR_SUCCESS ? (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0
                                        : !isAbsent)
        return ExclusiveAccess::Denied;

    native::KernelHandle handle = nullptr;
    const FileError error = files.open(path, OpenMode::ExistingExclusive, handle);
    OpenedFile file(files, handle);
    if (error == ERROR_SUCCESS)
        return ExclusiveAccess::Granted;
    if (error == ERROR_FILE_NOT_FOUND)
        return ExclusiveAccess::NoSuchFile;
    if (isLockError(error) || (error == ERROR_ACCESS_DENIED && attributeError == ERROR_SUCCESS))
        return ExclusiveAccess::InUse;
    return ExclusiveAccess::Denied;
}

FileReplacement::FileReplacement(std::string targetPath)
    : files_(installedFileSystem()), targetPath_(std::move(targetPath))
{
    // The temporary file must be in the target's folder: only a rename within one volume is a
    // single step.
    const std::string folder = folderPrefixOf(targetPath_);
    const std::vector<bool> isTaken = removeStaleTemporaryFiles(files_, folder);
    int attempts = 0;
    for (int number = 0; number < temporaryNameCount && attempts < 100; ++number) {
        if (isTaken[number])
            continue;
        ++attempts;
        std::string candidate = folder + temporaryName(number);
        // A new file only: one of that name made meanwhile (another updater at work) is never
        // overwritten or removed.
        native::KernelHandle handle = nullptr;
        const FileError error = files_.open(candidate, OpenMode::NewExclusive, handle);
        if (error == ERROR_SUCCESS) {
            file_ = OpenedFile(files_, handle);
            temporaryPath_ = std::move(candidate);
            return;
        }
        lastError_ = error;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return;
    }
}

FileReplacement::~FileReplacement()
{
    file_.close();  // a file must be closed before it can be deleted
    // A removal that fails leaves the file to the next replacement in this folder, which removes
    // it before it writes.
    if (!isCommitted_ && !temporaryPath_.empty())
        files_.remove(temporaryPath_);
}

bool FileReplacement::fail(FileError error)
{
    lastError_ = error;
    return false;
}

bool FileReplacement::write(std::span<const std::byte> bytes)
{
    if (!file_)
        return fail(ERROR_INVALID_HANDLE);
    std::size_t written = 0;
    if (const FileError error = files_.write(file_.get(), bytes, written))
        return fail(error);
    return written == bytes.size() || fail(ERROR_DISK_FULL);  // what a short write means on a disk
}

bool FileReplacement::readBack(const std::function<void(std::span<const std::byte>)>& consume)
{
    if (!file_)
        return fail(ERROR_INVALID_HANDLE);
    std::vector<std::byte> piece(64 * 1024);
    for (std::uint64_t offset = 0;;) {
        std::size_t read = 0;
        if (const FileError error = files_.read(file_.get(), offset, piece, read))
            return fail(error);
        if (read == 0)
            return true;  // end of file
        consume(std::span(piece).first(read));
        offset += read;
    }
}

CommitResult FileReplacement::commit()
{
    assert(!isCommitted_);
    if (!isClosed_) {
        if (!file_) {
            lastError_ = ERROR_INVALID_HANDLE;
            return CommitResult::Failed;
        }
        // The rename must not reach the disk before the data does, or a power cut could leave the
        // target named but empty.
        lastError_ = files_.flush(file_.get());
        // A close that fails may have lost what the system still held of the file.
        if (lastError_ == ERROR_SUCCESS)
            lastError_ = file_.close();
        if (lastError_ != ERROR_SUCCESS)
            return CommitResult::Failed;
        isClosed_ = true;
    }
    const FileError error = files_.move(temporaryPath_, targetPath_);
    if (error == ERROR_SUCCESS) {
        isCommitted_ = true;
        return CommitResult::Committed;
    }
    lastError_ = error;
    if (isLockError(error) || (error == ERROR_ACCESS_DENIED && isHeldPlainFile(files_, targetPath_)))
        return CommitResult::TargetInUse;
    return CommitResult::Failed;
}

}  // namespace fw
