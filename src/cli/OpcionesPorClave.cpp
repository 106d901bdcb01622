#include "cli/OpcionesPorClave.h"

#include <array>

#include "comun/Numeros.h"
#include "settings/NombresPerfil.h"

namespace rebanex::consola {

namespace {

enum class Tipo { Flag, Eleccion, Texto };

struct Clave {
    std::string_view nombre;
    Tipo tipo;
    bool Configuracion::*flag = nullptr;
    int Configuracion::*eleccion = nullptr;
};

// The host keys are accepted because a settings file holds them, but nothing here reads
// them: the tool never talks to Mensatel.
const std::array<Clave, 13> kClaves = {{
    {"Inverso", Tipo::Flag, &Configuracion::Inverso},
    {"NoAcentos", Tipo::Flag, &Configuracion::NoAcentos},
    {"NoMultiEspacios", Tipo::Flag, &Configuracion::NoMultiEspacios},
    {"IndicadorTrozos", Tipo::Flag, &Configuracion::IndicadorTrozos},
    {"FirmarAutomaticamente", Tipo::Flag, &Configuracion::FirmarAutomaticamente},
    {"FirmarEnTrozos", Tipo::Flag, &Configuracion::FirmarEnTrozos},
    {"AutoReemplazar", Tipo::Flag, &Configuracion::AutoReemplazar},
    {"CopiarTrozoAlMensatel", Tipo::Flag, &Configuracion::CopiarTrozoAlMensatel},
    {"ObtenerTamañoMsg", Tipo::Flag, &Configuracion::ObtenerTamanyoMsg},
    {"ObtenerTamanyoMsg", Tipo::Flag, &Configuracion::ObtenerTamanyoMsg},  // "ñ" is awkward to type
    {"Letras", Tipo::Eleccion, nullptr, &Configuracion::Letras},
    {"FirmarEnPosicion", Tipo::Eleccion, nullptr, &Configuracion::FirmarEnPosicion},
    {"MsgMax", Tipo::Texto},
}};

const Clave* BuscarClave(std::string_view nombre) {
    for (const Clave& c : kClaves) {
        if (MismoNombre(c.nombre, nombre)) {
            return &c;
        }
    }
    return nullptr;
}

}  // namespace

bool EsClaveDeOpcion(std::string_view clave) {
    return BuscarClave(clave) != nullptr;
}

bool AsignarOpcion(Configuracion& opciones, std::string_view clave, const std::string& valor) {
    const Clave* c = BuscarClave(clave);
    if (c == nullptr) {
        return false;
    }
    switch (c->tipo) {
        case Tipo::Flag:
            opciones.*(c->flag) = ValorSiNo(valor);
            break;
        case Tipo::Eleccion: {
            const int32_t indice = RedondearPar(ValorNumerico(valor));
            opciones.*(c->eleccion) = (indice >= 1 && indice <= 3) ? indice : 1;
            break;
        }
        case Tipo::Texto:
            opciones.MsgMax = valor;
            break;
    }
    return true;
}

}  // namespace rebanex::consola
