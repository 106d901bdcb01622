// For the fuzz targets: a check kept in every build; a user answering from the bytes (then Yes).
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
