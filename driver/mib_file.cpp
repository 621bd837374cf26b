// Opening the MIB file, guarded against overwriting the definition file being read.
#include "conversion_state.h"

#include <sys/stat.h>

namespace {

bool isOpenDefinitionFile(const Conversion& run) {
    struct stat target;
    struct stat source;
    if (stat(run.mibPath, &target) != 0 || fstat(fileno(run.reader.file), &source) != 0)
        return false;
    return target.st_dev == source.st_dev && target.st_ino == source.st_ino;
}

} // namespace

bool openMibFile(Conversion& run) {
    if (isOpenDefinitionFile(run))
        return false;
    std::FILE* file = std::fopen(run.mibPath, "w");
    if (file == nullptr)
        return false;
    attachMibStream(run.mib, file);
    return true;
}
