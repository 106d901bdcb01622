#include "cli/OpcionesPorClave.h"

#include "comun/Numeros.h"
#include "settings/TablaOpciones.h"
#include "sistema/NombresPerfil.h"

namespace rebanex::cli {

namespace {

const DefOpcion* BuscarClave(std::string_view nombre) {
    for (const DefOpcion& o : kOpciones) {
        if (MismoNombre(o.clave, nombre) || (!o.alias.empty() && MismoNombre(o.alias, nombre))) {
            return &o;
        }
    }
    return nullptr;
}

}  // namespace

bool EsClaveDeOpcion(std::string_view clave) {
    return BuscarClave(clave) != nullptr;
}

bool AsignarOpcion(Configuracion& opciones, std::string_view clave, const std::string& valor) {
    const DefOpcion* o = BuscarClave(clave);
    if (o == nullptr) {
        return false;
    }
    switch (o->tipo) {
        case TipoOpcion::SiNo:
            opciones.*(o->siNo) = ValorSiNo(valor);
            break;
        case TipoOpcion::Eleccion:
            o->fijarEleccion(opciones, ValorEleccion(valor));
            break;
        case TipoOpcion::Texto:
            opciones.*(o->texto) = valor;  // checked later, like the text of LongMax
            break;
    }
    return true;
}

}  // namespace rebanex::cli
