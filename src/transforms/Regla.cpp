#include "transforms/Regla.h"

#include <algorithm>
#include <cstring>

#include "transforms/Buscar.h"
#include "transforms/Tablas.h"

namespace rebanex {

namespace {

std::string EnMayusculas(std::string_view texto) {
    std::string mayusculas(texto);
    for (char& c : mayusculas) {
        c = Traducir(kMayusculas, c);
    }
    return mayusculas;
}

// The text as a rule rebuilds it, left to right. In place while no replacement is longer
// than what it replaces (the part not yet read stays untouched ahead of what is written); in
// a new string otherwise, so that the text is still whole if the rule has to give up.
class Reescritura {
  public:
    Reescritura(std::string& texto, bool enSitio, std::size_t reserva)
        : texto_(texto), enSitio_(enSitio) {
        if (!enSitio) {
            nuevo_.reserve(reserva);
        }
    }

    void Poner(const char* desde, std::size_t cuantos) {
        if (!enSitio_) {
            nuevo_.append(desde, cuantos);
            return;
        }
        char* const destino = texto_.data() + escrito_;
        if (destino != desde && cuantos > 0) {
            std::memmove(destino, desde, cuantos);
        }
        escrito_ += cuantos;
    }

    std::size_t Largo() const { return enSitio_ ? escrito_ : nuevo_.size(); }

    // The start of the text is a word boundary too.
    bool TerminaEnSeparador() const {
        const std::size_t largo = Largo();
        return largo == 0 || EsCaracterSeparador(enSitio_ ? texto_[largo - 1] : nuevo_.back());
    }

    void Terminar() {
        if (enSitio_) {
            texto_.resize(escrito_);
        } else {
            texto_ = std::move(nuevo_);
        }
    }

  private:
    std::string& texto_;
    bool enSitio_;
    std::size_t escrito_ = 0;
    std::string nuevo_;
};

}  // namespace

Regla::Regla(Clase claseRegla, std::string_view textoBuscar, std::string_view textoReemplazo)
    : clase(claseRegla),
      buscar(claseRegla == Clase::Exacta ? std::string(textoBuscar) : EnMayusculas(textoBuscar)),
      reemplazo(textoReemplazo),
      reemplazoMayusculas(claseRegla == Clase::Exacta ? std::string()
                                                      : EnMayusculas(textoReemplazo)) {}

void ZonasNuevas::Anotar(std::size_t desde, std::size_t largo) {
    const std::size_t inicio = desde > margen_ ? desde - margen_ : 0;
    const std::size_t fin = desde + largo + margen_;
    if (!zonas_.empty() && inicio <= zonas_.back().second) {
        zonas_.back().second = fin;
    } else {
        zonas_.emplace_back(inicio, fin);
    }
}

bool AplicarRegla(const Regla& regla, std::string& texto, std::size_t limite, ZonasNuevas* zonas) {
    const bool exacta = regla.clase == Regla::Clase::Exacta;
    const auto buscar = [&](std::size_t desde) {
        return exacta ? Buscar(texto, regla.buscar, desde)
                      : BuscarSinMayusculas(texto, regla.buscar, desde);
    };
    std::size_t p = regla.buscar.empty() ? std::string::npos : buscar(0);
    if (p == std::string::npos) {
        return true;
    }
    const std::size_t n = texto.size(), largo = regla.buscar.size();
    const bool enSitio = regla.reemplazo.size() <= largo;
    Reescritura salida(texto, enSitio, std::min(n + n / 4, limite));
    std::size_t leido = 0;  // first character of the text not yet taken
    while (p != std::string::npos) {
        if (!exacta) {
            // The character before may already belong to an earlier replacement.
            const bool inicio =
                p > leido ? EsCaracterSeparador(texto[p - 1]) : salida.TerminaEnSeparador();
            const bool fin = p + largo >= n || EsCaracterSeparador(texto[p + largo]);
            const bool vale = regla.clase == Regla::Clase::Prefijo  ? inicio
                              : regla.clase == Regla::Clase::Sufijo ? fin
                                                                    : inicio && fin;
            if (!vale) {
                p = buscar(p + 1);
                continue;
            }
        }
        const bool capital = !exacta && Traducir(kMinusculas, texto[p]) != texto[p];
        const std::string& sustituto = capital ? regla.reemplazoMayusculas : regla.reemplazo;
        salida.Poner(texto.data() + leido, p - leido);
        if (zonas != nullptr) {
            zonas->Anotar(salida.Largo(), sustituto.size());
        }
        salida.Poner(sustituto.data(), sustituto.size());
        if (!enSitio && salida.Largo() > limite) {
            return false;
        }
        leido = p + largo;
        p = buscar(leido);
    }
    salida.Poner(texto.data() + leido, n - leido);
    if (!enSitio && salida.Largo() > limite) {
        return false;
    }
    salida.Terminar();
    return true;
}

}  // namespace rebanex
