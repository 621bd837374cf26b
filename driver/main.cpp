// travix: converts a definition file into an SNMP MIB module.
#include "conversion.h"

int main(int argc, char** argv) {
    return runConversion(argc, argv);
}
