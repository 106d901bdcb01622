#include "sistema/PerfilFichero.h"

#include <optional>
#include <vector>

#include "comun/Blancos.h"
#include "sistema/NombresPerfil.h"

namespace rebanex {

namespace {

// The lines without their line ends. A UTF-8 byte order mark in front of the first line is no
// part of it.
std::vector<std::string> Lineas(std::string_view todo) {
    std::vector<std::string> lineas;
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::size_t inicio = todo.starts_with(kBom) ? kBom.size() : 0;
    while (inicio < todo.size()) {
        std::size_t fin = todo.find('\n', inicio);
        if (fin == std::string::npos) {
            fin = todo.size();
        }
        std::string linea(todo.substr(inicio, fin - inicio));
        if (!linea.empty() && linea.back() == '\r') {
            linea.pop_back();
        }
        lineas.push_back(std::move(linea));
        inicio = fin + 1;
    }
    return lineas;
}

std::optional<std::string_view> NombreSeccion(std::string_view linea) {
    linea = SinBlancos(linea);
    const std::size_t cierre = linea.find(']');
    if (linea.empty() || linea.front() != '[' || cierre == std::string_view::npos) {
        return std::nullopt;
    }
    return SinBlancos(linea.substr(1, cierre - 1));
}

struct Entrada {
    std::string_view clave, valor;
};

// A "clave=valor" line; comments and lines without "=" hold no key.
std::optional<Entrada> LeerEntrada(std::string_view linea) {
    linea = SinBlancos(linea);
    const std::size_t igual = linea.find('=');
    if (linea.empty() || linea.front() == ';' || igual == std::string_view::npos) {
        return std::nullopt;
    }
    return Entrada{SinBlancos(linea.substr(0, igual)), SinBlancos(linea.substr(igual + 1))};
}

// Where a key stands: the header line of the first section of that name, the key's line in
// it, and the line after the section's last non-blank line (where a new key goes).
struct Lugar {
    std::optional<std::size_t> seccion, clave;
    std::size_t insertar = 0;
};

Lugar Buscar(const std::vector<std::string>& lineas, std::string_view seccion,
             std::string_view clave) {
    Lugar lugar;
    for (std::size_t i = 0; i < lineas.size(); ++i) {
        const auto nombre = NombreSeccion(lineas[i]);
        if (lugar.seccion) {
            if (nombre) {
                break;
            }
            if (!SinBlancos(lineas[i]).empty()) {
                lugar.insertar = i + 1;
            }
            const auto entrada = LeerEntrada(lineas[i]);
            if (entrada && MismoNombre(entrada->clave, clave)) {
                lugar.clave = i;
                break;
            }
        } else if (nombre && MismoNombre(*nombre, seccion)) {
            lugar.seccion = i;
            lugar.insertar = i + 1;
        }
    }
    return lugar;
}

}  // namespace

// A missing (or unreadable) file has no lines, as for the platform.
std::vector<std::string> PerfilFichero::LeerLineas(const std::string& fichero) {
    return Lineas(disco_.Leer(fichero).contenido);
}

std::vector<ClaveIni> ClavesIni(std::string_view texto) {
    std::vector<ClaveIni> claves;
    std::optional<std::string_view> seccion;
    const std::vector<std::string> lineas = Lineas(texto);
    for (const std::string& linea : lineas) {
        if (const auto nombre = NombreSeccion(linea)) {
            seccion = nombre;
        } else if (const auto entrada = LeerEntrada(linea); entrada && seccion) {
            claves.push_back({std::string(*seccion), std::string(entrada->clave)});
        }
    }
    return claves;
}

std::string PerfilFichero::ObtenerCadena(const std::string& fichero, std::string_view seccion,
                                         std::string_view clave, std::string_view porDefecto,
                                         std::size_t tamanyo) {
    const std::vector<std::string> lineas = LeerLineas(fichero);
    const Lugar lugar = Buscar(lineas, seccion, clave);
    if (!lugar.clave) {
        return CopiaEnBuffer(porDefecto, tamanyo);
    }
    return CopiaEnBuffer(ValorLeido(LeerEntrada(lineas[*lugar.clave])->valor), tamanyo);
}

bool PerfilFichero::EscribirCadena(const std::string& fichero, std::string_view seccion,
                                   std::string_view clave, std::string_view valor) {
    std::vector<std::string> lineas = LeerLineas(fichero);
    const Lugar lugar = Buscar(lineas, seccion, clave);
    if (lugar.clave) {
        // The key keeps the spelling it has in the file.
        std::string& linea = lineas[*lugar.clave];
        linea = std::string(LeerEntrada(linea)->clave) + "=" + std::string(valor);
    } else if (lugar.seccion) {
        lineas.insert(lineas.begin() + static_cast<std::ptrdiff_t>(lugar.insertar),
                      std::string(clave) + "=" + std::string(valor));
    } else {
        lineas.push_back("[" + std::string(seccion) + "]");
        lineas.push_back(std::string(clave) + "=" + std::string(valor));
    }

    std::string texto;
    for (const std::string& linea : lineas) {
        texto += linea + "\r\n";
    }
    return disco_.Escribir(fichero, texto);
}

}  // namespace rebanex
