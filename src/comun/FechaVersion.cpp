#include "comun/FechaVersion.h"

#include "comun/Numeros.h"

namespace rebanex {

namespace {

std::string DosCifras(int n) {
    return (n < 10 ? "0" : "") + Decimal(n);
}

}  // namespace

std::string FechaTitulo(FechaVersion f) {
    return DosCifras(f.dia) + "/" + DosCifras(f.mes) + "/" + Decimal(f.anyo);
}

std::string FechaActualizacion(FechaVersion f) {
    return Decimal(f.anyo) + "/" + DosCifras(f.mes) + "/" + DosCifras(f.dia);
}

}  // namespace rebanex
