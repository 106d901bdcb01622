#include "settings/Ajustes.h"

#include <charconv>
#include <cmath>

#include "comun/Numeros.h"
#include "settings/TablaOpciones.h"
#include "sistema/NombresPerfil.h"

namespace rebanex {

namespace {

// A settings file without a key, that keeps nothing written to it.
class PerfilVacio : public PerfilPrivado {
  public:
    std::string ObtenerCadena(const std::string&, std::string_view, std::string_view,
                              std::string_view porDefecto, std::size_t tamanyo) override {
        return CopiaEnBuffer(porDefecto, tamanyo);
    }
    bool EscribirCadena(const std::string&, std::string_view, std::string_view,
                        std::string_view) override {
        return false;
    }
};

std::string Valor(Ini& ini, LoteIni& lote, std::string_view seccion, std::string_view clave,
                  std::string_view porDefecto) {
    if (std::optional<std::string> valor = ini.LeerIni(seccion, clave)) {
        return std::move(*valor);
    }
    lote.Escribir(seccion, clave, porDefecto);
    return std::string(porDefecto);
}

// One option at start-up, by its kind. Missing keys get their default written; those that
// keep their tick when missing keep the value the record came with.
void LeerOpcion(Ini& ini, LoteIni& lote, const DefOpcion& def, Configuracion& o) {
    if (def.soloAlGuardar) {
        if (const std::optional<std::string> leido = ini.LeerIni(kSeccionRebanex, def.clave)) {
            o.*def.siNo = ValorSiNo(*leido);
        }
        return;
    }
    std::string valor;
    if (def.conservaSiFalta) {
        std::optional<std::string> leido = ini.LeerIni(kSeccionRebanex, def.clave);
        if (!leido) {
            lote.Escribir(kSeccionRebanex, def.clave, def.porDefecto);
            return;
        }
        valor = std::move(*leido);
    } else {
        valor = Valor(ini, lote, kSeccionRebanex, def.clave, def.porDefecto);
    }
    switch (def.tipo) {
        case TipoOpcion::SiNo:
            o.*def.siNo = ValorSiNo(valor);
            break;
        case TipoOpcion::Eleccion:
            def.fijarEleccion(o, ValorEleccion(valor));
            break;
        case TipoOpcion::Texto:
            o.*def.texto = Decimal(RedondearPar(ValorNumerico(valor)));
            break;
    }
}

void LeerOpciones(Ini& ini, LoteIni& lote, Configuracion& o, bool conservanSiFaltan) {
    for (const DefOpcion& def : kOpciones) {
        if (def.conservaSiFalta == conservanSiFaltan) {
            LeerOpcion(ini, lote, def, o);
        }
    }
}

void LeerPosicion(Ini& ini, LoteIni& lote, const Rectangulo& pantalla, EstadoAjustes& estado) {
    const std::optional<std::string> valor = ini.LeerIni(kSeccionRebanex, "PosicionVentana");
    if (!valor) {
        lote.Escribir(kSeccionRebanex, "PosicionVentana", "1");
        return;
    }
    estado.opciones.PosicionVentana = ValorSiNo(*valor);
    Rectangulo& v = estado.ventana;
    if (estado.opciones.PosicionVentana) {
        v.izquierda = LeerOpcionNumero(ini, lote, kSeccionRebanex, "PosicionVentanaX",
                                       TextoTwips(v.izquierda));
        v.arriba =
            LeerOpcionNumero(ini, lote, kSeccionRebanex, "PosicionVentanaY", TextoTwips(v.arriba));
    } else {
        // Window coordinates are single precision.
        v.izquierda = static_cast<float>(pantalla.ancho) / 2 - static_cast<float>(v.ancho) / 2;
        v.arriba = static_cast<float>(pantalla.alto) / 2 - static_cast<float>(v.alto) / 2;
    }
}

void LeerFicheros(Ini& ini, LoteIni& lote, const std::string& directorioInicio,
                  EstadoAjustes& estado) {
    for (int i = 1; i <= kFicherosRecientes; ++i) {
        const std::string clave = Decimal(i);
        const std::optional<std::string> valor = ini.LeerIni(kSeccionFicheros, clave);
        if (!valor) {
            lote.Escribir(kSeccionFicheros, clave, "");
        }
        estado.ficheros[i - 1] = valor.value_or("");
    }
    if (estado.ficheros[0].empty()) {
        estado.ficheros[0] = directorioInicio + std::string(kFicheroReemplazos);
        lote.Escribir(kSeccionFicheros, "1", estado.ficheros[0]);
    }
    estado.rutaReemplazos = estado.ficheros[0];
}

constexpr std::string_view kSinLeerAjustes =
    "Arranco con las opciones por defecto y no toco el fichero.";

Aviso AvisoErrorGuardar(std::string_view que) {
    return Aviso{"Cagon toooo!! Error al intentar Guardar " + std::string(que) +
                     "\r\rEl fichero 'Rebanex.ini' tendrá el atributo de Solo Lectura\r"
                     "o estará en un dispositivo sin capacidad/permisos de escritura\r\r",
                 "Rebanex (by Quelvo)", Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace

int32_t LeerOpcionNumero(Ini& ini, LoteIni& lote, std::string_view seccion, std::string_view clave,
                         std::string_view porDefecto) {
    return RedondearPar(ValorNumerico(Valor(ini, lote, seccion, clave, porDefecto)));
}

void CargarConfiguracion(Ini& ini, const std::string& directorioInicio, const Rectangulo& pantalla,
                         EstadoAjustes& estado, LoteIni& lote) {
    Configuracion& o = estado.opciones;
    LeerOpciones(ini, lote, o, false);
    // Only the position decides the enabled state here, as its menu command does; the
    // auto-signature tick is set without running its command.
    o.FirmarEnTrozosHabilitado = HabilitadoTrasPosicion(o.FirmarEnPosicion);
    LeerPosicion(ini, lote, pantalla, estado);
    LeerFicheros(ini, lote, directorioInicio, estado);
    LeerOpciones(ini, lote, o, true);
}

void CargarAjustes(Ini& ini, Disco& disco, const std::string& directorioInicio,
                   const Rectangulo& pantalla, EstadoAjustes& estado, Avisador& avisador) {
    LoteIni lote;
    if (FicheroLegible(disco, ini.Fichero(), avisador, kSinLeerAjustes)) {
        CargarConfiguracion(ini, directorioInicio, pantalla, estado, lote);
        lote.Aplicar(ini, disco);  // a read-only file just keeps the defaults
        return;
    }
    // As a first start would, but writing nothing over the file.
    PerfilVacio nada;
    Ini sinFichero(nada);
    sinFichero.FijarFicheroIni(ini.Fichero());
    CargarConfiguracion(sinFichero, directorioInicio, pantalla, estado, lote);
}

bool GuardarConfiguracion(Ini& ini, Disco& disco, const Configuracion& o) {
    LoteIni lote;
    for (const DefOpcion& def : kOpciones) {
        lote.Escribir(kSeccionRebanex, def.clave, TextoOpcion(def, o));
    }
    return lote.Aplicar(ini, disco);
}

bool GuardarPosicionVentana(Ini& ini, Disco& disco, double izquierda, double arriba) {
    LoteIni lote;
    lote.Escribir(kSeccionRebanex, "PosicionVentanaX", TextoTwips(izquierda));
    lote.Escribir(kSeccionRebanex, "PosicionVentanaY", TextoTwips(arriba));
    return lote.Aplicar(ini, disco);
}

std::string TextoTwips(double valor) {
    // The shortest text that reads back as the same single-precision value, never with an
    // exponent, so that the numeric reading of the settings gets it back.
    const float f = static_cast<float>(valor);
    if (!std::isfinite(f) || f == 0) {
        return "0";
    }
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, f, std::chars_format::fixed);
    return std::string(buffer, r.ptr);
}

Aviso AvisoErrorGuardarConfiguracion() {
    return AvisoErrorGuardar("la Configuración !!");
}

Aviso AvisoErrorGuardarPosicion() {
    return AvisoErrorGuardar("la Posicion!!");
}

}  // namespace rebanex
