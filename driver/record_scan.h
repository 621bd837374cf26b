// Scanning of header records ("name = number") and object records ("path = letter, number").
#pragma once

#include "../mib/run_state.h"

#include <cstdint>

// Scans `line` as "%s = %d" and returns how many of the two fields were filled.
int scanHeaderRecord(const char* line, char (&name)[LineBufferSize], std::int32_t& number);

// Scans `line` as "%s = %c, %d" and returns how many of the three fields were filled.
int scanObjectRecord(const char* line, char (&name)[LineBufferSize], char& typeLetter,
                     std::int32_t& number);
