// Loading and saving the options in "Rebanex.ini" (sections "Rebanex" and
// "FicherosReemplazos").
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "comun/Rectangulo.h"
#include "settings/Configuracion.h"
#include "settings/Ini.h"

namespace rebanex {

inline constexpr std::string_view kSeccionRebanex = "Rebanex";
inline constexpr std::string_view kSeccionFicheros = "FicherosReemplazos";
inline constexpr std::string_view kFicheroAjustes = "Rebanex.ini";
inline constexpr std::string_view kFicheroReemplazos = "Rebanex.txt";

struct EstadoAjustes {
    Configuracion opciones;               // in: the form's initial ticks; out: as loaded
    Rectangulo ventana;                   // in: where the window is; out: where it goes
    std::array<std::string, 5> ficheros;  // captions of the recent rules-files items
    std::string rutaReemplazos;           // the current rules file
};

// Reads one flag: missing keys are written back with the default, which is then used.
// On when the value, read as a number, is not zero.
bool LeerOpcionSiNo(Ini& ini, std::string_view seccion, std::string_view clave,
                    std::string_view porDefecto);
// Reads one number with the same fallback, rounded to the nearest (halves to even).
int32_t LeerOpcionNumero(Ini& ini, std::string_view seccion, std::string_view clave,
                         std::string_view porDefecto);

// The start-up load, in its fixed order, writing every missing key back with its default
// (write failures are ignored). `pantalla` gives the screen size for centring.
void CargarConfiguracion(Ini& ini, const std::string& directorioInicio, const Rectangulo& pantalla,
                         EstadoAjustes& estado);

// The save command's writes, in order, all of them; false when any of them failed.
bool GuardarConfiguracion(Ini& ini, const Configuracion& opciones);

// Writes PosicionVentanaX/Y; false when either write failed.
bool GuardarPosicionVentana(Ini& ini, double izquierda, double arriba);

// Decimal text of a window edge in twips (single precision, general form: "1440", "-15").
std::string TextoTwips(double valor);

Aviso AvisoErrorGuardarConfiguracion();
Aviso AvisoErrorGuardarPosicion();

inline constexpr std::string_view kEstadoConfiguracionGuardada = "OK! Configuración Guardada!!";
inline constexpr std::string_view kEstadoPosicionGuardada = "OK! Posicion Guardada!!!";

}  // namespace rebanex
