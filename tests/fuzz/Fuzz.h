// Shared by the fuzz targets: a check that holds in every build, and a user who answers every
// box from the fuzzer's bytes (Yes once they run out).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "comun/Aviso.h"

#define EXIGIR(c) ((c) ? void() : std::abort())

struct AvisadorAlAzar : rebanex::Avisador {
    explicit AvisadorAlAzar(FuzzedDataProvider& d) : datos(d) {}
    rebanex::Respuesta Avisar(const rebanex::Aviso& a) override {
        using enum rebanex::Respuesta;
        return a.botones == rebanex::Botones::Aceptar ? Aceptar : datos.ConsumeBool() ? No : Si;
    }
    FuzzedDataProvider& datos;
};
