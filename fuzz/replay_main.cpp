// Replays saved inputs through the fuzz target without libFuzzer, so the seed corpus and every
// input that once broke a rule are checked by any compiler's build, under ctest and valgrind.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <dirent.h>
#include <string>
#include <sys/stat.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool replayFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    std::string bytes;
    char chunk[65536];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    std::printf("%s (%zu bytes)\n", path.c_str(), bytes.size());
    std::fflush(stdout);
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

// Every regular file in `directory`, in name order; hidden files (such as .gitkeep) are skipped.
std::vector<std::string> inputsIn(const std::string& directory) {
    std::vector<std::string> paths;
    if (DIR* folder = opendir(directory.c_str())) {
        while (dirent* entry = readdir(folder))
            if (entry->d_name[0] != '.')
                paths.push_back(directory + "/" + entry->d_name);
        closedir(folder);
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        struct stat info;
        if (stat(argv[i], &info) != 0) {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            ok = false;
            continue;
        }
        std::vector<std::string> paths =
            S_ISDIR(info.st_mode) ? inputsIn(argv[i]) : std::vector<std::string>{argv[i]};
        for (const std::string& path : paths) {
            ok = replayFile(path) && ok;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed, every rule held\n", replayed);
    return ok && replayed > 0 ? 0 : 1;
}
