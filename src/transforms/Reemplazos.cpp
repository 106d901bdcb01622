// Applying a rules file to a text, and the boxes that reading it can raise.
#include "transforms/Reemplazos.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "comun/Windows1252.h"
#include "sistema/Ficheros.h"
#include "transforms/MotorReglas.h"

namespace rebanex {

namespace {

// Cuts off the next line: it ends at CR LF or at a lone CR; a lone LF stays in the line.
std::string_view SiguienteLinea(std::string_view& resto) {
    const std::size_t cr = resto.find('\r');
    const std::string_view linea = resto.substr(0, cr);
    if (cr == std::string_view::npos) {
        resto = {};
    } else {
        const bool conLf = cr + 1 < resto.size() && resto[cr + 1] == '\n';
        resto.remove_prefix(cr + (conLf ? 2 : 1));
    }
    return linea;
}

// The rules of the file in order, up to a faulty line the user chose to stop at. A rule
// with an empty search text does nothing and is left out.
std::vector<Regla> LeerReglas(std::string_view contenido, const std::string& ruta,
                              Avisador& avisador) {
    std::vector<Regla> reglas;
    reglas.reserve(static_cast<std::size_t>(std::count(contenido.begin(), contenido.end(), '\r')) +
                   1);
    std::string_view resto(contenido);
    for (long long numero = 1; !resto.empty(); ++numero) {
        const std::string_view linea = SiguienteLinea(resto);
        if (!linea.empty() && linea.front() == ';') {
            continue;
        }
        const std::size_t tab = linea.find('\t');
        if (tab == std::string_view::npos || tab == 0) {
            if (avisador.Avisar(AvisoLineaRara(numero, ruta)) == Respuesta::No) {
                break;
            }
            continue;
        }
        const std::string_view reemplazo = linea.substr(tab + 1);
        const std::string_view sinMarca = linea.substr(1, tab - 1);
        using enum Regla::Clase;
        switch (linea.front()) {
            case '#':
                reglas.emplace_back(Prefijo, sinMarca, reemplazo);
                break;
            case '*':
                reglas.emplace_back(Exacta, sinMarca, reemplazo);
                break;
            case '%':
                reglas.emplace_back(Sufijo, sinMarca, reemplazo);
                break;
            default:
                reglas.emplace_back(Palabra, linea.substr(0, tab), reemplazo);
                break;
        }
        if (reglas.back().buscar.empty()) {
            reglas.pop_back();
        }
    }
    return reglas;
}

}  // namespace

FinReemplazos AplicarReemplazos(std::string& texto, const std::string& ruta, Avisador& avisador,
                                std::size_t limite) {
    const Lectura contenido = ficheros::LeerTexto(ruta);
    if (!contenido) {
        avisador.Avisar(AvisoErrorAbrirReemplazos(ruta));
        return FinReemplazos::Terminado;
    }
    if (!contenido.sinConvertir.empty()) {
        avisador.Avisar(AvisoSinWindows1252("El fichero '" + ruta + "'", contenido.sinConvertir));
    }
    return AplicarReemplazos(texto, contenido.contenido, ruta, avisador, limite);
}

FinReemplazos AplicarReemplazos(std::string& texto, std::string_view contenido,
                                const std::string& ruta, Avisador& avisador, std::size_t limite) {
    return AplicarReglas(texto, LeerReglas(contenido, ruta, avisador), limite);
}

Aviso AvisoErrorAbrirReemplazos(const std::string& ruta) {
    return Aviso{"Error al intentar abrir el fichero '" + ruta +
                     "'\r\r\r"
                     "Si no tienes ningún fichero de Reemplazos utiliza el menú\r"
                     "'Opciones/Abrir Fichero de Reemplazos' para generar uno.",
                 "Cachis la mar...!!!", Icono::Exclamacion, Botones::Aceptar};
}

Aviso AvisoReemplazosSinFin(std::size_t limite) {
    return Aviso{"Con esos reemplazos el mensaje crece sin parar: pasaría de " +
                     std::to_string(limite) +
                     " caracteres.\r\rLo dejo como estaba. Mira las reglas del fichero de "
                     "Reemplazos que alargan el texto.",
                 "Epp, cuidadín!!!", Icono::Exclamacion, Botones::Aceptar};
}

Aviso AvisoLineaRara(long long numeroLinea, const std::string& ruta) {
    return Aviso{"Error en la línea nº " + std::to_string(numeroLinea) + " en el fichero " + ruta +
                     "\r\r¿Sigo Reemplazando?",
                 "Upss!!! Línea RaRa!!", Icono::Exclamacion, Botones::SiNo};
}

}  // namespace rebanex
