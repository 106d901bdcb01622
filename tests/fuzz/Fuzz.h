// For the fuzz targets: a check kept in every build.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#define EXIGIR(c) ((c) ? void() : std::abort())
