// Applying a rules file to a text, and the boxes that reading it can raise.
#include "transforms/Reemplazos.h"

#include <string_view>

#include "files/Ficheros.h"
#include "transforms/TextoConMayusculas.h"

namespace rebanex::Troceado {

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

enum class Resultado { Seguir, Parar, Limite };

Resultado AplicarLinea(TextoConMayusculas& texto, std::string_view linea, long long numero,
                       const std::string& ruta, Avisador& avisador, std::size_t limite) {
    if (!linea.empty() && linea.front() == ';') {
        return Resultado::Seguir;
    }
    const std::size_t tab = linea.find('\t');
    if (tab == std::string_view::npos || tab == 0) {
        const bool seguir = avisador.Avisar(AvisoLineaRara(numero, ruta)) != Respuesta::No;
        return seguir ? Resultado::Seguir : Resultado::Parar;
    }
    const std::string_view reemplazo = linea.substr(tab + 1);
    const std::string_view sinMarca = linea.substr(1, tab - 1);
    bool cabe = true;
    switch (linea.front()) {
        case '#':
            cabe = texto.ReemplazarPalabra(Prefijo, sinMarca, reemplazo, limite);
            break;
        case '*':
            cabe = texto.Reemplazar(sinMarca, reemplazo, limite);
            break;
        case '%':
            cabe = texto.ReemplazarPalabra(Sufijo, sinMarca, reemplazo, limite);
            break;
        default:
            cabe =
                texto.ReemplazarPalabra(PalabraCompleta, linea.substr(0, tab), reemplazo, limite);
            break;
    }
    return cabe ? Resultado::Seguir : Resultado::Limite;
}

}  // namespace

// A file that opens but cannot be read is as unusable as one that does not open.
FinReemplazos AplicarReemplazos(std::string& texto, const std::string& ruta, Avisador& avisador,
                                std::size_t limite) {
    const Lectura contenido = ficheros::LeerTexto(ruta);
    if (!contenido) {
        avisador.Avisar(AvisoErrorAbrirReemplazos(ruta));
        return FinReemplazos::Hecho;
    }
    return AplicarReemplazos(texto, contenido.contenido, ruta, avisador, limite);
}

FinReemplazos AplicarReemplazos(std::string& texto, std::string_view contenido,
                                const std::string& ruta, Avisador& avisador, std::size_t limite) {
    TextoConMayusculas trabajo(texto);
    std::string_view resto(contenido);
    for (long long numero = 1; !resto.empty(); ++numero) {
        const std::string_view linea = SiguienteLinea(resto);
        switch (AplicarLinea(trabajo, linea, numero, ruta, avisador, limite)) {
            case Resultado::Seguir:
                break;
            case Resultado::Parar:
                return FinReemplazos::Hecho;
            case Resultado::Limite:
                return FinReemplazos::Limite;
        }
    }
    return FinReemplazos::Hecho;
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

}  // namespace rebanex::Troceado
