#include "transforms/ReglasUnaAUna.h"

#include <cstring>

#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/Reemplazos.h"
#include "transforms/Tablas.h"

namespace rebanex::pruebas {

namespace {

std::string EnMayusculas(std::string texto) {
    CambiarLetras(texto, true);
    return texto;
}

// One rule (0 prefix, 1 suffix, 2 word, 3 anywhere) left to right over the text and its capitals.
void Sustituir(std::string& texto, std::string& imagen, int tipo, std::string_view buscar,
               std::string_view reemplazo) {
    const bool enImagen = tipo != 3;
    const std::string patron = enImagen ? EnMayusculas(std::string(buscar)) : std::string(buscar);
    const std::string mayusculas = EnMayusculas(std::string(reemplazo));
    const std::string_view fuente(enImagen ? imagen : texto);
    std::size_t p = patron.empty() ? std::string::npos : Buscar(fuente, patron);
    if (p == std::string::npos) {
        return;
    }
    const std::size_t n = texto.size(), largo = patron.size();
    const bool enSitio = reemplazo.size() <= largo;
    std::string nuevoTexto, nuevaImagen;
    std::size_t leido = 0, escrito = 0;
    const auto poner = [&](const char* deTexto, const char* deImagen, std::size_t cuantos) {
        if (!enSitio) {
            nuevoTexto.append(deTexto, cuantos);
            nuevaImagen.append(deImagen, cuantos);
        } else if (deTexto != &texto[escrito] && cuantos > 0) {
            std::memmove(&texto[escrito], deTexto, cuantos);
            std::memmove(&imagen[escrito], deImagen, cuantos);
        }
        escrito += cuantos;
    };
    while (p != std::string::npos) {
        if (tipo != 3) {
            const char* antes = p > leido      ? &texto[p - 1]
                                : escrito == 0 ? nullptr
                                : enSitio      ? &texto[escrito - 1]
                                               : &nuevoTexto.back();
            const bool inicio = antes == nullptr || EsCaracterSeparador(*antes);
            const bool fin = p + largo >= n || EsCaracterSeparador(texto[p + largo]);
            if (!(tipo == 0 ? inicio : tipo == 1 ? fin : inicio && fin)) {
                p = Buscar(fuente, patron, p + 1);
                continue;
            }
        }
        const bool capital = enImagen && Traducir(kMinusculas, texto[p]) != texto[p];
        poner(&texto[leido], &imagen[leido], p - leido);
        poner(capital ? mayusculas.data() : reemplazo.data(), mayusculas.data(), reemplazo.size());
        leido = p + largo;
        p = Buscar(fuente, patron, leido);
    }
    poner(texto.data() + leido, imagen.data() + leido, n - leido);
    if (enSitio) {
        texto.resize(escrito);
        imagen.resize(escrito);
    } else {
        texto = std::move(nuevoTexto);
        imagen = std::move(nuevaImagen);
    }
}

}  // namespace

void AplicarReglasUnaAUna(std::string& texto, std::string_view contenido, Avisador& avisador) {
    std::string imagen = EnMayusculas(texto);
    for (long long numero = 1; !contenido.empty(); ++numero) {
        const std::size_t cr = std::min(contenido.find('\r'), contenido.size());
        const std::string_view linea = contenido.substr(0, cr);
        contenido.remove_prefix(
            std::min(contenido.size(), cr + (contenido.substr(cr, 2) == "\r\n" ? 2 : 1)));
        const std::size_t tab = linea.find('\t');
        if (linea.starts_with(';')) {
            continue;
        } else if (tab == std::string_view::npos || tab == 0) {
            if (avisador.Avisar(AvisoLineaRara(numero, "")) == Respuesta::No) {
                return;
            }
        } else {
            const int tipo = linea[0] == '#' ? 0 : linea[0] == '%' ? 1 : linea[0] == '*' ? 3 : 2;
            const std::size_t desde = tipo == 2 ? 0 : 1;
            Sustituir(texto, imagen, tipo, linea.substr(desde, tab - desde), linea.substr(tab + 1));
        }
    }
}

}  // namespace rebanex::pruebas
