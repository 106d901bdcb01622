#include "settings/Ajustes.h"

#include <charconv>
#include <cmath>

#include "comun/Numeros.h"
#include "settings/TablaOpciones.h"

namespace rebanex {

namespace {

std::string Valor(Ini& ini, std::string_view seccion, std::string_view clave,
                  std::string_view porDefecto) {
    std::string valor;
    if (!ini.LeerIni(seccion, clave, valor)) {
        ini.EscribirIni(seccion, clave, porDefecto);  // a read-only file just keeps defaults
        valor = porDefecto;
    }
    return valor;
}

// One option at start-up, by its kind. Missing keys get their default written; those that
// keep their tick when missing keep the value the record came with.
void LeerOpcion(Ini& ini, const DefOpcion& def, Configuracion& o) {
    std::string valor;
    if (def.conservaSiFalta && !ini.LeerIni(kSeccionRebanex, def.clave, valor)) {
        ini.EscribirIni(kSeccionRebanex, def.clave, def.porDefecto);
        return;
    }
    if (!def.conservaSiFalta) {
        valor = Valor(ini, kSeccionRebanex, def.clave, def.porDefecto);
    }
    switch (def.tipo) {
        case TipoOpcion::SiNo:
            o.*def.siNo = ValorSiNo(valor);
            break;
        case TipoOpcion::Eleccion:
            o.*def.eleccion = ValorEleccion(valor);
            break;
        case TipoOpcion::Texto:
            o.*def.texto = Decimal(RedondearPar(ValorNumerico(valor)));
            break;
    }
}

void LeerOpciones(Ini& ini, Configuracion& o, bool conservanSiFaltan) {
    for (const DefOpcion& def : kOpciones) {
        if (def.conservaSiFalta == conservanSiFaltan) {
            LeerOpcion(ini, def, o);
        }
    }
}

void LeerPosicion(Ini& ini, const Rectangulo& pantalla, EstadoAjustes& estado) {
    std::string valor;
    if (!ini.LeerIni(kSeccionRebanex, "PosicionVentana", valor)) {
        ini.EscribirIni(kSeccionRebanex, "PosicionVentana", "1");
        return;
    }
    estado.opciones.PosicionVentana = ValorSiNo(valor);
    Rectangulo& v = estado.ventana;
    if (estado.opciones.PosicionVentana) {
        v.izquierda =
            LeerOpcionNumero(ini, kSeccionRebanex, "PosicionVentanaX", TextoTwips(v.izquierda));
        v.arriba = LeerOpcionNumero(ini, kSeccionRebanex, "PosicionVentanaY", TextoTwips(v.arriba));
    } else {
        // Window coordinates are single precision.
        v.izquierda = static_cast<float>(pantalla.ancho) / 2 - static_cast<float>(v.ancho) / 2;
        v.arriba = static_cast<float>(pantalla.alto) / 2 - static_cast<float>(v.alto) / 2;
    }
}

void LeerFicheros(Ini& ini, const std::string& directorioInicio, EstadoAjustes& estado) {
    for (int i = 1; i <= 5; ++i) {
        const std::string clave = Decimal(i);
        std::string valor;
        if (!ini.LeerIni(kSeccionFicheros, clave, valor)) {
            ini.EscribirIni(kSeccionFicheros, clave, "");
        }
        estado.ficheros[i - 1] = valor;
    }
    if (estado.ficheros[0].empty()) {
        estado.ficheros[0] = directorioInicio + std::string(kFicheroReemplazos);
        ini.EscribirIni(kSeccionFicheros, "1", estado.ficheros[0]);
    }
    estado.rutaReemplazos = estado.ficheros[0];
}

Aviso AvisoErrorGuardar(std::string_view que) {
    return Aviso{"Cagon toooo!! Error al intentar Guardar " + std::string(que) +
                     "\r\rEl fichero 'Rebanex.ini' tendrá el atributo de Solo Lectura\r"
                     "o estará en un dispositivo sin capacidad/permisos de escritura\r\r",
                 "Rebanex (by Quelvo)", Icono::Exclamacion, Botones::Aceptar};
}

}  // namespace

bool LeerOpcionSiNo(Ini& ini, std::string_view seccion, std::string_view clave,
                    std::string_view porDefecto) {
    return ValorSiNo(Valor(ini, seccion, clave, porDefecto));
}

int32_t LeerOpcionNumero(Ini& ini, std::string_view seccion, std::string_view clave,
                         std::string_view porDefecto) {
    return RedondearPar(ValorNumerico(Valor(ini, seccion, clave, porDefecto)));
}

void CargarConfiguracion(Ini& ini, const std::string& directorioInicio, const Rectangulo& pantalla,
                         EstadoAjustes& estado) {
    Configuracion& o = estado.opciones;
    LeerOpciones(ini, o, false);
    // Only the position decides the enabled state here, as its menu command does; the
    // auto-signature tick is set without running its command.
    o.FirmarEnTrozosHabilitado = HabilitadoTrasPosicion(o.FirmarEnPosicion);
    LeerPosicion(ini, pantalla, estado);
    LeerFicheros(ini, directorioInicio, estado);
    LeerOpciones(ini, o, true);
}

bool GuardarConfiguracion(Ini& ini, const Configuracion& o) {
    // Every key is written even after a failure, and any failure is reported: an option that
    // did not reach the file must not be announced as saved.
    bool bien = true;
    for (const DefOpcion& def : kOpciones) {
        bien = ini.EscribirIni(kSeccionRebanex, def.clave, TextoOpcion(def, o)) && bien;
    }
    return bien;
}

bool GuardarPosicionVentana(Ini& ini, double izquierda, double arriba) {
    const bool x = ini.EscribirIni(kSeccionRebanex, "PosicionVentanaX", TextoTwips(izquierda));
    const bool y = ini.EscribirIni(kSeccionRebanex, "PosicionVentanaY", TextoTwips(arriba));
    return x && y;
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
