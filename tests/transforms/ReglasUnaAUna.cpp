#include "transforms/ReglasUnaAUna.h"

#include <cstring>

#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/Reemplazos.h"
#include "transforms/Tablas.h"

namespace rebanex::pruebas {

namespace {

using namespace Troceado;

std::string EnMayusculas(std::string_view texto) {
    std::string mayusculas(texto);
    CambiarLetras(mayusculas, true);
    return mayusculas;
}

// Left to right over the text as it was; the rewritten part grows behind it, in place when
// the replacement is not longer. Positions in the image are positions in the text.
class TextoConMayusculas {
  public:
    explicit TextoConMayusculas(std::string& texto) : texto_(texto), imagen_(EnMayusculas(texto)) {}

    // tipo: 0 prefix, 1 suffix, 2 whole word, 3 anywhere (exact case).
    void Sustituir(int tipo, std::string_view buscar, std::string_view reemplazo) {
        const bool enImagen = tipo != 3;
        const std::string patron = enImagen ? EnMayusculas(buscar) : std::string(buscar);
        const std::string mayusculas = EnMayusculas(reemplazo);
        const std::string_view fuente(enImagen ? imagen_ : texto_);
        std::size_t p = patron.empty() ? std::string::npos : Buscar(fuente, patron);
        if (p == std::string::npos) {
            return;
        }
        const std::size_t n = texto_.size(), largo = patron.size();
        const bool enSitio = reemplazo.size() <= largo;
        std::string nuevoTexto, nuevaImagen;
        if (!enSitio) {
            nuevoTexto.reserve(n + n / 4);
            nuevaImagen.reserve(n + n / 4);
        }
        std::size_t leido = 0, escrito = 0;
        const auto poner = [&](const char* texto, const char* imagen, std::size_t cuantos) {
            if (!enSitio) {
                nuevoTexto.append(texto, cuantos);
                nuevaImagen.append(imagen, cuantos);
            } else if (texto != &texto_[escrito] && cuantos > 0) {
                std::memmove(&texto_[escrito], texto, cuantos);
                std::memmove(&imagen_[escrito], imagen, cuantos);
            }
            escrito += cuantos;
        };
        while (p != std::string::npos) {
            if (tipo != 3) {
                const char* antes = p > leido      ? &texto_[p - 1]
                                    : escrito == 0 ? nullptr
                                    : enSitio      ? &texto_[escrito - 1]
                                                   : &nuevoTexto.back();
                const bool inicio = antes == nullptr || EsCaracterSeparador(*antes);
                const bool fin = p + largo >= n || EsCaracterSeparador(texto_[p + largo]);
                if (!(tipo == 0 ? inicio : tipo == 1 ? fin : inicio && fin)) {
                    p = Buscar(fuente, patron, p + 1);
                    continue;
                }
            }
            const bool capital = enImagen && Minuscula(texto_[p]) != texto_[p];
            poner(&texto_[leido], &imagen_[leido], p - leido);
            poner(capital ? mayusculas.data() : reemplazo.data(), mayusculas.data(),
                  reemplazo.size());
            leido = p + largo;
            p = Buscar(fuente, patron, leido);
        }
        poner(texto_.data() + leido, imagen_.data() + leido, n - leido);
        if (enSitio) {
            texto_.resize(escrito);
            imagen_.resize(escrito);
        } else {
            texto_ = std::move(nuevoTexto);
            imagen_ = std::move(nuevaImagen);
        }
    }

  private:
    std::string& texto_;
    std::string imagen_;
};

}  // namespace

void AplicarReglasUnaAUna(std::string& texto, std::string_view contenido, Avisador& avisador) {
    TextoConMayusculas trabajo(texto);
    for (long long numero = 1; !contenido.empty(); ++numero) {
        const std::size_t cr = std::min(contenido.find('\r'), contenido.size());
        const std::string_view linea = contenido.substr(0, cr);
        contenido.remove_prefix(
            std::min(contenido.size(), cr + (contenido.substr(cr, 2) == "\r\n" ? 2 : 1)));
        const std::size_t tab = linea.find('\t');
        if (linea.starts_with(';')) {
            continue;
        }
        if (tab == std::string_view::npos || tab == 0) {
            if (avisador.Avisar(AvisoLineaRara(numero, "")) == Respuesta::No) {
                return;
            }
            continue;
        }
        const std::size_t marca = std::string_view("#%*").find(linea.front());
        const int tipo = marca == std::string_view::npos ? 2
                         : marca == 2                    ? 3
                                                         : static_cast<int>(marca);
        const std::size_t desde = marca == std::string_view::npos ? 0 : 1;
        trabajo.Sustituir(tipo, linea.substr(desde, tab - desde), linea.substr(tab + 1));
    }
}

}  // namespace rebanex::pruebas
