// Message files and the command line: what a loaded message looks like.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "sistema/Disco.h"

namespace rebanex {

inline constexpr std::string_view kFiltroMensajes =
    "Mensajes SMS (*.sms)| *.sms|Archivos de Texto (*.txt)| *.txt|Todos los archivos (*.*) | *.*";
inline constexpr std::string_view kTituloCargarMensaje = "Cargar Mensaje...";
// The menu command refuses bigger files (on disk); the command line loads any size.
inline constexpr std::uint64_t kMaximoMensaje = 60000;

// A file's text with every line ending (CR LF, lone CR, lone LF) as CR LF, no line break after
// the last line, and each NUL as a space so that nothing after it is lost.
std::string TextoConSaltos(std::string bytes);

// Cuts "#TEL#", up to 20 characters and a final "@" off the end; other texts stay whole.
void QuitarTelefono(std::string& texto);

// The message a message file's text gives, read the one way for the window and for trocear:
// TextoConSaltos, then without its telephone trailer.
std::string MensajeDeFichero(std::string texto);

// The message in the file at `ruta`, or else at start directory + `ruta`, its telephone
// trailer removed. A missing file shows the "no encontrado" box and gives "". A file that is
// there but cannot be read shows a box saying why and gives nothing: the message box keeps
// what it has.
std::optional<std::string> CargarFicheroMensaje(const std::string& ruta,
                                                const std::string& directorioInicio, Disco& disco,
                                                Avisador& avisador);

// The command line: a TAB then the message itself, or the name of a message file.
struct LineaComandos {
    bool esTexto = false;
    std::string valor;  // the text after the TAB, or the file name without its quotes
    bool operator==(const LineaComandos&) const = default;
};
LineaComandos InterpretarLineaComandos(std::string_view cmd);

Aviso AvisoFicheroNoEncontrado(const std::string& ruta);
Aviso AvisoFicheroGordo();

}  // namespace rebanex
