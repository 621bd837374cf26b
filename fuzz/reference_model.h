// A second, deliberately simple rendering of the conversion rules over std::string, written
// without looking at the converter's own buffers and loops. The fuzz target compares the real run
// with it byte for byte, so a change that alters behaviour (a speed-up of the reading or writing,
// say) is caught on any input, not only on the inputs the tests spell out.
#pragma once

#include <string>

struct ModelOutcome {
    std::string console; // everything after the banner line
    bool mibExists;
    std::string mib;
};

// Converts `definitions` into the MIB file `mibPath`. With `mibRefused` every opening of the MIB
// file fails (it names the definition file itself); no MIB file existed before the run.
ModelOutcome modelConversion(const std::string& definitions, const std::string& mibPath,
                             bool mibRefused);
