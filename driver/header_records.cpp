// The four header records, taken strictly in order: enterprise, unit, version, build.
#include "conversion_state.h"
#include "record_scan.h"

#include "../mib/ascii_names.h"

#include <cstring>

namespace {

bool failOpeningForWriting(const Conversion& run) {
    std::fprintf(run.console, "Can't open %s for writing\r\n", run.mibPath);
    return false;
}

// The stream opened at the unit record is replaced by a fresh one once the header is complete.
bool completeHeader(Conversion& run) {
    run.headerState |= HeaderComplete;
    closeMibStream(run.mib);
    if (!openMibFile(run))
        return failOpeningForWriting(run);
    writeModuleHeader(run.writer, run.mibPath, run.header);
    return true;
}

} // namespace

bool takeHeaderRecord(Conversion& run) {
    HeaderValues& header = run.header;
    if (!(run.headerState & EnterpriseSeen)) {
        if (scanHeaderRecord(run.line, header.enterpriseName, header.enterpriseNumber) < 2) {
            // This message has never had a line end; the summary follows on the same line.
            std::fprintf(run.console, "\r\nError retrieving Enterprise Number from [%s]", run.line);
            return false;
        }
        run.headerState |= EnterpriseSeen;
        lowerCaseAscii(header.enterpriseName);
    } else if (!(run.headerState & UnitSeen)) {
        if (scanHeaderRecord(run.line, header.unitName, header.unitNumber) < 2) {
            std::fprintf(run.console, "Error retrieving Unit Number from [%s]\r\n", run.line);
            return false;
        }
        if (equalIgnoringAsciiCase(header.unitName, std::strlen(header.unitName),
                                   header.enterpriseName, std::strlen(header.enterpriseName))) {
            std::fprintf(run.console,
                         "Enterprise Name and Unit Type strings are the same [%s].\r\n"
                         "Please re-configure the Enterprise Name.\r\n",
                         header.enterpriseName);
            return false;
        }
        run.headerState |= UnitSeen;
        lowerCaseAscii(header.unitName);
        if (!openMibFile(run))
            return failOpeningForWriting(run);
    } else if (!(run.headerState & VersionSeen)) {
        if (scanHeaderRecord(run.line, header.versionName, header.versionNumber) < 2) {
            std::fprintf(run.console, "Error retrieving Version Number from [%s]\r\n", run.line);
            return false;
        }
        run.headerState |= VersionSeen;
        lowerCaseAscii(header.versionName);
    } else {
        if (scanHeaderRecord(run.line, header.buildName, header.buildNumber) < 2) {
            std::fprintf(run.console, "Error retrieving Build Number from [%s]\r\n", run.line);
            return false;
        }
        run.headerState |= BuildSeen;
        lowerCaseAscii(header.buildName);
    }
    if ((run.headerState & AllHeaderRecords) == AllHeaderRecords)
        return completeHeader(run);
    return true;
}
