// The run summary, printed whenever the definition file was opened.
#include "conversion_state.h"

void printRunSummary(const Conversion& run) {
    std::fprintf(run.console,
                 "Lines processed: %d\r\n"
                 "Nodes added:     %d\r\n"
                 "Objects Added:   %d\r\n"
                 "Output filename: %s\r\n"
                 "Done.\r\n",
                 static_cast<int>(run.counters.linesProcessed),
                 static_cast<int>(run.counters.nodesAdded),
                 static_cast<int>(run.counters.objectsAdded), run.mibPath);
}
