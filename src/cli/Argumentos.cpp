#include "cli/Argumentos.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "cli/OpcionesPorClave.h"
#include "comun/Windows1252.h"
#include "settings/TablaOpciones.h"

namespace rebanex::cli {

namespace {

struct Dicha {
    std::string nombre;  // "--max"
    std::string valor;   // empty for the options without one
};

struct Crudos {
    std::vector<Dicha> opciones;
    std::vector<std::string> ficheros;
    // The last valid --codificacion; an invalid one is reported later, so UTF-8 meanwhile.
    CodificacionConsola codificacion = CodificacionConsola::Utf8;
};

constexpr std::array<std::string_view, 8> kConValor = {
    "--ini",        "--max",    "--opcion",       "--firma",
    "--reemplazos", "--cursor", "--codificacion", "--formato",
};
constexpr std::array<std::string_view, 5> kSinValor = {"--contar", "--json", "--ayuda", "--help",
                                                       "-h"};

template <std::size_t N>
bool Contiene(const std::array<std::string_view, N>& lista, std::string_view s) {
    for (std::string_view e : lista) {
        if (e == s) {
            return true;
        }
    }
    return false;
}

std::optional<CodificacionConsola> LeerCodificacion(std::string_view valor) {
    if (valor == "utf8") {
        return CodificacionConsola::Utf8;
    }
    if (valor == "cp1252") {
        return CodificacionConsola::Cp1252;
    }
    return std::nullopt;
}

// Splits the line into options and file names; the only failures here are an unknown
// option and a missing value, printed in the encoding said so far.
std::variant<Crudos, ErrorUso> Separar(const std::vector<std::string>& args) {
    Crudos crudos;
    const auto error = [&](std::string_view que, const std::string& a) {
        return ErrorUso{std::string(que) + TextoDeArgumento(a), crudos.codificacion};
    };
    bool soloFicheros = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (soloFicheros || a == "-" || a.empty() || a[0] != '-') {
            crudos.ficheros.push_back(a);
        } else if (a == "--") {
            soloFicheros = true;
        } else if (Contiene(kConValor, a)) {
            if (i + 1 == args.size()) {
                return error("falta el valor de ", a);
            }
            crudos.opciones.push_back({a, args[++i]});
            if (a == "--codificacion") {
                crudos.codificacion = LeerCodificacion(args[i]).value_or(crudos.codificacion);
            }
        } else if (Contiene(kSinValor, a)) {
            crudos.opciones.push_back({a, {}});
        } else {
            return error("opción desconocida: ", a);
        }
    }
    return crudos;
}

std::optional<ComandoFormato> LeerFormato(std::string_view valor) {
    constexpr std::array<std::pair<std::string_view, ComandoFormato>, 6> kFormatos = {{
        {"acentos", ComandoFormato::Acentos},
        {"minusculas", ComandoFormato::Minusculas},
        {"mayusculas", ComandoFormato::Mayusculas},
        {"espacios", ComandoFormato::Espacios},
        {"reemplazar", ComandoFormato::Reemplazar},
        {"firma", ComandoFormato::Firma},
    }};
    for (const auto& [nombre, comando] : kFormatos) {
        if (nombre == valor) {
            return comando;
        }
    }
    return std::nullopt;
}

// Digits only: a caret offset is never negative.
std::optional<long long> LeerCursor(std::string_view valor) {
    if (valor.empty()) {
        return std::nullopt;
    }
    long long n = 0;
    for (const char c : valor) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const int digito = c - '0';
        if (n > (std::numeric_limits<long long>::max() - digito) / 10) {
            return std::nullopt;
        }
        n = n * 10 + digito;
    }
    return n;
}

// The mode options exclude each other; repeating the same one is harmless.
bool FijarModo(ArgumentosTrocear& a, Modo modo, bool& modoDicho) {
    const auto cuenta = [](Modo m) {
        return m == Modo::Json || m == Modo::Contar || m == Modo::ContarJson;
    };
    // --contar and --json together ask for the count as JSON.
    if (modoDicho && a.modo != modo && cuenta(a.modo) && cuenta(modo)) {
        a.modo = Modo::ContarJson;
        return true;
    }
    if (modoDicho && a.modo != modo) {
        return false;
    }
    a.modo = modo;
    modoDicho = true;
    return true;
}

std::optional<std::string> Interpretar(const Crudos& crudos, ArgumentosTrocear& a) {
    bool modoDicho = false;
    for (const Dicha& d : crudos.opciones) {
        const std::string& n = d.nombre;
        if (n == "--ini") {
            a.rutaIni = TextoDeArgumento(d.valor);
        } else if (n == "--reemplazos") {
            a.rutaReemplazos = TextoDeArgumento(d.valor);
        } else if (n == "--firma") {
            a.firma = TextoDeArgumento(d.valor);
        } else if (n == "--max") {
            a.asignaciones.push_back({"MsgMax", TextoDeArgumento(d.valor)});
        } else if (n == "--opcion") {
            const std::string valor = TextoDeArgumento(d.valor);
            const auto igual = valor.find('=');
            if (igual == std::string::npos || igual == 0) {
                return "--opcion espera Clave=Valor, no '" + valor + "'";
            }
            const std::string clave = valor.substr(0, igual);
            if (!EsClaveDeOpcion(clave)) {
                return "opción de ajustes desconocida: " + clave;
            }
            a.asignaciones.push_back({clave, valor.substr(igual + 1)});
        } else if (n == "--cursor") {
            a.cursor = LeerCursor(d.valor);
            if (!a.cursor) {
                return "--cursor espera un número entero no negativo, no '" +
                       TextoDeArgumento(d.valor) + "'";
            }
        } else if (n == "--codificacion") {
            if (!LeerCodificacion(d.valor)) {
                return "--codificacion espera utf8 o cp1252, no '" + TextoDeArgumento(d.valor) +
                       "'";
            }
        } else if (n == "--formato") {
            const auto formato = LeerFormato(d.valor);
            if (!formato) {
                return "--formato espera acentos, minusculas, mayusculas, espacios, "
                       "reemplazar o firma, no '" +
                       TextoDeArgumento(d.valor) + "'";
            }
            a.formato = *formato;
            if (!FijarModo(a, Modo::Formato, modoDicho)) {
                return "--formato no se puede combinar con --contar ni con --json";
            }
        } else if (n == "--contar" || n == "--json") {
            if (!FijarModo(a, n == "--json" ? Modo::Json : Modo::Contar, modoDicho)) {
                return "--formato no se puede combinar con --contar ni con --json";
            }
        } else {
            a.ayuda = true;
        }
    }
    if (crudos.ficheros.size() > 1) {
        return "sobra un fichero: " + TextoDeArgumento(crudos.ficheros[1]) + " (sólo se lee uno)";
    }
    if (!crudos.ficheros.empty() && crudos.ficheros[0] != "-") {
        a.fichero = TextoDeArgumento(crudos.ficheros[0]);
    }
    return std::nullopt;
}

}  // namespace

std::string TextoDeArgumento(const std::string& argumento) {
    if (EsUtf8Valido(argumento)) {
        return DeUtf8(argumento);
    }
    return argumento;
}

std::variant<ArgumentosTrocear, ErrorUso> LeerArgumentos(const std::vector<std::string>& args) {
    auto separados = Separar(args);
    if (auto* error = std::get_if<ErrorUso>(&separados)) {
        return *error;
    }
    const Crudos& crudos = std::get<Crudos>(separados);
    ArgumentosTrocear a;
    a.codificacion = crudos.codificacion;
    if (auto error = Interpretar(crudos, a)) {
        return ErrorUso{*error, a.codificacion};
    }
    return a;
}

namespace {

// The keys --opcion takes to some purpose, in the order of the settings file and the length
// last, wrapped at 80 columns under the option's text.
std::string ClavesDeOpcion() {
    constexpr std::size_t kAncho = 80;
    const std::string sangria(24, ' ');
    std::vector<std::string_view> claves;
    for (const DefOpcion& o : kOpciones) {
        if (!o.soloVentana && o.tipo != TipoOpcion::Texto) {
            claves.push_back(o.clave);
        }
    }
    for (const DefOpcion& o : kOpciones) {
        if (o.tipo == TipoOpcion::Texto) {
            claves.push_back(o.clave);
        }
    }
    std::string texto;
    std::string linea = "  --opcion Clave=Valor  una opción por su clave del Rebanex.ini:";
    for (std::size_t i = 0; i < claves.size(); ++i) {
        const std::string palabra = std::string(claves[i]) + (i + 1 < claves.size() ? "," : "");
        if (linea.size() + 1 + palabra.size() > kAncho) {
            texto += linea + "\n";
            linea = sangria + palabra;
        } else {
            linea += " " + palabra;
        }
    }
    return texto + linea + "\n";
}

}  // namespace

const std::string& TextoAyuda() {
    static const std::string kAyuda =
        "Uso: trocear [--ini RUTA] [--max N] [--opcion Clave=Valor]... [--firma TEXTO]\n"
        "             [--reemplazos RUTA] [--cursor K] [--codificacion utf8|cp1252]\n"
        "             [--formato ACCION] [--contar] [--json] [FICHERO]\n"
        "\n"
        "Trocea el mensaje de FICHERO (o de la entrada estándar) en SMS, como el botón\n"
        "Trocear de Rebanex, y escribe un trozo por línea.\n"
        "\n"
        "  --ini RUTA            opciones de ese Rebanex.ini (sólo se lee)\n"
        "  --max N               longitud máxima del SMS (igual que --opcion MsgMax=N)\n" +
        ClavesDeOpcion() +
        "  --firma TEXTO         la firma (si no, la del mensatel.ini junto al --ini)\n"
        "  --reemplazos RUTA     fichero de reemplazos\n"
        "  --cursor K            posición del cursor para firmar en el cursor\n"
        "  --codificacion C      utf8 (por defecto) o cp1252\n"
        "  --formato ACCION      acentos, minusculas, mayusculas, espacios, reemplazar o\n"
        "                        firma: aplica ese comando del menú Formato y escribe el\n"
        "                        mensaje resultante\n"
        "  --contar              sólo el contador: SMS / caracteres (con TrozosSMS=1,\n"
        "                        la cuenta real: codificación, unidades y SMS)\n"
        "  --json                los trozos como {\"trozos\": [...]} (y \"sms\" con\n"
        "                        TrozosSMS=1); con --contar, la cuenta real en JSON\n"
        "\n"
        "Sale con 0 si todo va bien, 1 si la línea de órdenes o el fichero fallan, 2 si\n"
        "el mensaje o la longitud máxima no pasan las comprobaciones, 3 si no se puede\n"
        "escribir la salida y 4 si falta memoria u ocurre un error inesperado.\n";
    return kAyuda;
}

}  // namespace rebanex::cli
