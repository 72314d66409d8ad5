// One update, as the update button does it without its dialog (the payload checked, written
// beside the installed executable, flushed, read back and checked, renamed over it, then VER
// written), against CopyFileA of the
// same bytes plus a flush; and the private memory the update needs on top of the idle process.
// The payload is a file of the given size made here and mapped, as the executable's resource is.
//
//   update_bench.exe <folder> <megabytes> [runs]

#include "BenchStatistics.h"

#include "framework/win32/Handles.h"
#include "updater/InstalledVersionRecord.h"
#include "updater/PayloadExtractor.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <span>
#include <string>
#include <vector>

namespace {

SIZE_T peakPrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX memory{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    return memory.PeakPagefileUsage;
}

bool makePayload(const std::string& path, std::size_t bytes)
{
    fw::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    std::mt19937 random(42);
    std::vector<std::uint32_t> block(1 << 18);
    std::size_t left = bytes;
    while (left > 0) {
        for (auto& word : block)
            word = random();
        const DWORD chunk = static_cast<DWORD>(std::min(left, block.size() * sizeof(std::uint32_t)));
        DWORD written = 0;
        if (!WriteFile(file.get(), block.data(), chunk, &written, nullptr) || written != chunk)
            return false;
        left -= chunk;
    }
    return true;
}

void copyAndFlush(const std::string& from, const std::string& to)
{
    CopyFileA(from.c_str(), to.c_str(), FALSE);
    fw::UniqueFile file(CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    FlushFileBuffers(file.get());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: update_bench <folder> <megabytes> [runs]\n");
        return 2;
    }
    const std::string folder = argv[1];
    const double megabytes = std::atof(argv[2]);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 5;
    const std::size_t bytes = static_cast<std::size_t>(megabytes * 1000 * 1000);
    const std::string payloadPath = folder + "\\payload.bin";
    const std::string target = folder + "\\Velmora.exe";
    const std::string copyTarget = folder + "\\copy.exe";
    if (!makePayload(payloadPath, bytes) || !makePayload(target, 4096)) {
        std::fprintf(stderr, "cannot write the payload in %s\n", folder.c_str());
        return 1;
    }
    const SIZE_T idle = peakPrivateBytes();

    fw::UniqueFile payloadFile(CreateFileA(payloadPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    fw::UniqueKernelHandle mapping(CreateFileMappingA(payloadFile.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    const void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0);
    if (!view) {
        std::fprintf(stderr, "cannot map the payload\n");
        return 1;
    }
    const std::span<const std::byte> payload(static_cast<const std::byte*>(view), bytes);
    const velmora::InstalledVersionRecord record("Software\\Korvand\\update-bench");
    const fw::Sha256Digest digest = fw::Sha256::of(payload);  // the build computes it for the real payload

    std::vector<double> update, copy;
    for (int run = 0; run < runs; ++run) {
        copy.push_back(bench::timeRuns(1, [&] { copyAndFlush(payloadPath, copyTarget); })[0] / 1000.0);
        update.push_back(bench::timeRuns(1, [&] {
            if (!velmora::writePayload(payload, digest, target))
                std::fprintf(stderr, "the update failed\n");
            record.write("VER", "Velmora 2.25");
        })[0] / 1000.0);
    }
    const SIZE_T peak = peakPrivateBytes();
    UnmapViewOfFile(view);
    DeleteFileA(payloadPath.c_str());
    DeleteFileA(target.c_str());
    DeleteFileA(copyTarget.c_str());

    char name[80];
    std::snprintf(name, sizeof name, "one update, %.1f MB payload", megabytes);
    bench::printRow(name, bench::summarise(update), bench::summarise(copy), "ms", "at most 2 x, linear");
    std::snprintf(name, sizeof name, "peak private memory, %.1f MB payload", megabytes);
    const bench::Figure idleFigure{idle / 1024.0, idle / 1024.0, idle / 1024.0};
    const double peakKilobytes = peak / 1024.0;
    bench::printRow(name, bench::Figure{peakKilobytes, peakKilobytes, peakKilobytes}, idleFigure, "KB",
                    "does not grow with the payload");
    return 0;
}
