// Process helpers for the black-box tests: spawn travix, capture its console, handle files.
#include "travix_process.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

const char* travixBinary() {
    return TRAVIX_BINARY;
}

TravixRun runTravix(const std::vector<std::string>& arguments, const std::string& workDirectory) {
    TravixRun run{std::string(), -1};
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        int empty = open("/dev/null", O_RDONLY);
        dup2(empty, STDIN_FILENO);
        if (chdir(workDirectory.c_str()) != 0)
            _exit(127);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(travixBinary()));
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(travixBinary(), argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    char chunk[4096];
    ssize_t got;
    while ((got = read(pipeEnds[0], chunk, sizeof chunk)) > 0)
        run.console.append(chunk, static_cast<size_t>(got));
    close(pipeEnds[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.exitStatus = WEXITSTATUS(status);
    run.console = maskBanner(run.console);
    return run;
}

std::string maskBanner(const std::string& console) {
    static const char prefix[] = "\r\nTRAVIX Ver 2.10  ";
    static const char mask[] = "MMM DD YYYY HH:MM:SS";
    std::string masked = console;
    if (masked.compare(0, sizeof prefix - 1, prefix) == 0 &&
        masked.size() >= sizeof prefix - 1 + sizeof mask - 1)
        masked.replace(sizeof prefix - 1, sizeof mask - 1, mask);
    return masked;
}

std::string makeScratchDirectory() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/travix-test-XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (mkdtemp(buffer.data()) == nullptr)
        return std::string();
    return std::string(buffer.data());
}

bool fileExists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

std::string readFileBytes(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return bytes;
    char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    std::fclose(file);
    return bytes;
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

void removeTree(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}
