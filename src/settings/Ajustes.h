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
#include "settings/LoteIni.h"
#include "sistema/Disco.h"

namespace rebanex {

inline constexpr std::string_view kSeccionRebanex = "Rebanex";
inline constexpr std::string_view kSeccionFicheros = "FicherosReemplazos";
inline constexpr std::string_view kFicheroAjustes = "Rebanex.ini";
inline constexpr std::string_view kFicheroReemplazos = "Rebanex.txt";
// The rules files used last that the menu lists, keys "1" to "5" of kSeccionFicheros.
inline constexpr int kFicherosRecientes = 5;

struct EstadoAjustes {
    Configuracion opciones;  // in: the form's initial ticks; out: as loaded
    Rectangulo ventana;      // in: where the window is; out: where it goes
    std::array<std::string, kFicherosRecientes> ficheros;  // captions of the recent items
    std::string rutaReemplazos;                            // the current rules file
};

// Reads one number, rounded to the nearest (halves to even); a missing key gets its default,
// which is then used, written back through `lote`.
int32_t LeerOpcionNumero(Ini& ini, LoteIni& lote, std::string_view seccion, std::string_view clave,
                         std::string_view porDefecto);

// The start-up load, in its fixed order; every missing key goes into `lote` with its
// default, in that order. `pantalla` gives the screen size for centring.
void CargarConfiguracion(Ini& ini, const std::string& directorioInicio, const Rectangulo& pantalla,
                         EstadoAjustes& estado, LoteIni& lote);

// The window's start-up: the load, then its writes in one replacement of the file (failures
// ignored: a read-only file just keeps the defaults). A file that is there but cannot be
// read is no file without keys: a box says why, the defaults are used and nothing is written.
void CargarAjustes(Ini& ini, Disco& disco, const std::string& directorioInicio,
                   const Rectangulo& pantalla, EstadoAjustes& estado, Avisador& avisador);

// The save command's writes, in order, all or none; false when they did not reach the file.
bool GuardarConfiguracion(Ini& ini, Disco& disco, const Configuracion& opciones);

// Writes PosicionVentanaX/Y, both or neither; false when they did not reach the file.
bool GuardarPosicionVentana(Ini& ini, Disco& disco, double izquierda, double arriba);

// Decimal text of a window edge in twips (single precision, general form: "1440", "-15").
std::string TextoTwips(double valor);

Aviso AvisoErrorGuardarConfiguracion();
Aviso AvisoErrorGuardarPosicion();

inline constexpr std::string_view kEstadoConfiguracionGuardada = "OK! Configuración Guardada!!";
inline constexpr std::string_view kEstadoPosicionGuardada = "OK! Posicion Guardada!!!";

}  // namespace rebanex
