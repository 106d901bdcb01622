// The command line of trocear, read into a plain record. Nothing here touches a file.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace rebanex::cli {

enum class CodificacionConsola { Utf8, Cp1252 };

// What the tool prints: the pieces, the pieces as JSON, the live counter, the real SMS count
// as JSON (--contar with --json), or the message after one command of the format menu.
enum class Modo { Trozos, Json, Contar, Formato, ContarJson };

enum class ComandoFormato { Acentos, Minusculas, Mayusculas, Espacios, Reemplazar, Firma };

// One --opcion (or --max): a settings key and its value as the settings file stores it.
struct Asignacion {
    std::string clave;
    std::string valor;
    bool operator==(const Asignacion&) const = default;
};

// Texts (keys, values, signature) and paths are already Windows-1252, as the program holds
// them; the file module hands paths to the system in its own form.
struct ArgumentosTrocear {
    std::optional<std::string> rutaIni;
    std::vector<Asignacion> asignaciones;  // in command-line order
    std::optional<std::string> firma;
    std::optional<std::string> rutaReemplazos;
    std::optional<long long> cursor;
    CodificacionConsola codificacion = CodificacionConsola::Utf8;
    Modo modo = Modo::Trozos;
    ComandoFormato formato = ComandoFormato::Acentos;  // with Modo::Formato
    std::optional<std::string> fichero;                // standard input when absent
    bool ayuda = false;
};

// A command line the tool cannot run. The text is Windows-1252.
struct ErrorUso {
    std::string mensaje;
    CodificacionConsola codificacion = CodificacionConsola::Utf8;  // for printing it
};

std::variant<ArgumentosTrocear, ErrorUso> LeerArgumentos(const std::vector<std::string>& args);

// An argument's text as Windows-1252, whatever the encoding of the message: valid UTF-8 (a
// Linux terminal) is decoded, anything else is taken as Windows-1252 already (a Windows
// console).
std::string TextoDeArgumento(const std::string& argumento);

// The short help printed by --ayuda (Windows-1252).
const std::string& TextoAyuda();

}  // namespace rebanex::cli
