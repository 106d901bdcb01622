#include "transforms/Regla.h"

#include <algorithm>
#include <cstring>
#include <optional>

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
        if (cuantos <= kCorto) {  // a replacement, mostly: a call would cost more than the copy
            for (std::size_t i = 0; i < cuantos; ++i) {
                destino[i] = desde[i];  // forward: `destino` never lies after `desde`
            }
        } else if (destino != desde) {
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
    static constexpr std::size_t kCorto = 8;
    std::string& texto_;
    bool enSitio_;
    std::size_t escrito_ = 0;
    std::string nuevo_;
};

// A rule whose replacement is no longer than what it replaces: the text is rewritten in place with
// nothing but two positions, which the compiler keeps in registers across the whole search. This is
// the common rule (an abbreviation), and its cost is mostly what is done at each occurrence.
void AplicarEnSitio(const Regla& regla, std::string& texto, ZonasNuevas* zonas) {
    const bool exacta = regla.clase == Regla::Clase::Exacta;
    char* const d = texto.data();
    const std::size_t n = texto.size(), largo = regla.buscar.size();
    std::size_t leido = 0, escrito = 0;  // what is written lies before what is still read
    Buscador(texto, regla.buscar, !exacta).Recorrer(0, [&](std::size_t p) {
        const std::string* sustituto = &regla.reemplazo;
        if (!exacta) {
            // The character before may already belong to an earlier replacement; the start of
            // the text is a word boundary too.
            const bool inicio = p > leido     ? EsCaracterSeparador(d[p - 1])
                                : escrito > 0 ? EsCaracterSeparador(d[escrito - 1])
                                              : true;
            const bool fin = p + largo >= n || EsCaracterSeparador(d[p + largo]);
            const bool vale = regla.clase == Regla::Clase::Prefijo  ? inicio
                              : regla.clase == Regla::Clase::Sufijo ? fin
                                                                    : inicio && fin;
            if (!vale) {
                return p + 1;
            }
            if (Traducir(kMinusculas, d[p]) != d[p]) {
                sustituto = &regla.reemplazoMayusculas;
            }
        }
        if (escrito != leido) {
            std::memmove(d + escrito, d + leido, p - leido);
        }
        escrito += p - leido;
        if (zonas != nullptr) {
            zonas->Anotar(escrito, sustituto->size());
        }
        for (const char c : *sustituto) {  // one or two characters, mostly
            d[escrito++] = c;
        }
        leido = p + largo;
        return leido;
    });
    if (escrito != leido) {
        std::memmove(d + escrito, d + leido, n - leido);
        texto.resize(escrito + (n - leido));
    }
}

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
    if (regla.buscar.empty()) {
        return true;
    }
    const bool exacta = regla.clase == Regla::Clase::Exacta;
    const std::size_t n = texto.size(), largo = regla.buscar.size();
    const bool enSitio = regla.reemplazo.size() <= largo;
    if (enSitio) {
        AplicarEnSitio(regla, texto, zonas);
        return true;
    }
    std::optional<Reescritura> salida;  // from the first occurrence on
    std::size_t leido = 0;              // first character of the text not yet taken
    bool cabe = true;
    // In place, what is written lies before what the search still reads.
    Buscador(texto, regla.buscar, !exacta).Recorrer(0, [&](std::size_t p) {
        if (!salida) {
            salida.emplace(texto, enSitio, std::min(n + n / 4, limite));
        }
        if (!exacta) {
            // The character before may already belong to an earlier replacement.
            const bool inicio =
                p > leido ? EsCaracterSeparador(texto[p - 1]) : salida->TerminaEnSeparador();
            const bool fin = p + largo >= n || EsCaracterSeparador(texto[p + largo]);
            const bool vale = regla.clase == Regla::Clase::Prefijo  ? inicio
                              : regla.clase == Regla::Clase::Sufijo ? fin
                                                                    : inicio && fin;
            if (!vale) {
                return p + 1;
            }
        }
        const bool capital = !exacta && Traducir(kMinusculas, texto[p]) != texto[p];
        const std::string& sustituto = capital ? regla.reemplazoMayusculas : regla.reemplazo;
        salida->Poner(texto.data() + leido, p - leido);
        if (zonas != nullptr) {
            zonas->Anotar(salida->Largo(), sustituto.size());
        }
        salida->Poner(sustituto.data(), sustituto.size());
        if (!enSitio && salida->Largo() > limite) {
            cabe = false;
            return std::string::npos;
        }
        leido = p + largo;
        return leido;
    });
    if (!salida) {
        return true;
    }
    if (cabe) {
        salida->Poner(texto.data() + leido, n - leido);
    }
    if (!cabe || (!enSitio && salida->Largo() > limite)) {
        return false;
    }
    salida->Terminar();
    return true;
}

}  // namespace rebanex
