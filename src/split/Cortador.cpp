// The piece cutter: where each piece starts and ends, how many there are, and their texts.
#include <algorithm>
#include <charconv>
#include <string>

#include "split/Trozos.h"

namespace rebanex {

namespace {

int16_t Digitos(long long n) {
    int16_t digitos = n < 0 ? 2 : 1;  // the minus sign counts as a character
    for (unsigned long long resto = n < 0 ? 0ULL - n : n; resto >= 10; resto /= 10) {
        ++digitos;
    }
    return digitos;
}

// More passes than digits a count can have cannot happen: the digit count only moves one way.
constexpr int kMaxPasadas = 24;

// One counting pass with a given digit count.
std::optional<int32_t> Pasada(std::string_view texto, const ParametrosCorte& p,
                              int16_t digitosTotal) {
    std::size_t desde = 0;
    for (int32_t numero = 1;; ++numero) {
        const long long sitio = Sitio(p, numero, digitosTotal);
        // Below 2 characters a word would never advance (1) or the bounds would invert.
        if (sitio < 2) {
            return std::nullopt;
        }
        const Corte corte = CalcularCorte(texto, desde, sitio);
        if (corte.ultimo || numero > kMaxTrozos) {
            return numero;
        }
        desde = corte.fin;
    }
}

}  // namespace

bool ReservaIndicador(const ParametrosCorte& p) {
    return p.IndicadorTrozos && p.LongitudMensaje >= p.MsgMax;
}

long long Sitio(const ParametrosCorte& p, int32_t numero, int16_t digitosTotal) {
    long long sitio = p.MsgMax;
    if (ReservaIndicador(p)) {
        sitio -= Digitos(numero) + 1 + digitosTotal + 1;
    }
    if (p.Firmados) {
        sitio -= static_cast<long long>(p.Firma.size()) + 1;
    }
    return sitio;
}

Corte CalcularCorte(std::string_view texto, std::size_t desde, long long sitio) {
    const std::size_t largo = texto.size();
    Corte c;
    c.inicio = desde;
    while (c.inicio < largo && texto[c.inicio] == ' ') {
        ++c.inicio;
    }
    c.fin = c.inicio + static_cast<std::size_t>(sitio);
    if (c.fin >= largo) {
        c.fin = largo;
        c.ultimo = true;
    } else if (texto[c.fin] != ' ') {
        // Back to the last space inside the piece, which stays at its end.
        std::size_t i = c.fin;
        while (i > c.inicio + 1 && texto[i - 1] != ' ') {
            --i;
        }
        if (i > c.inicio + 1) {
            c.fin = i;
        } else {
            --c.fin;  // one word fills the piece: give up a character for the hyphen
            c.guion = true;
        }
    }
    return c;
}

std::optional<Recuento> ContarTrozos(std::string_view texto, const ParametrosCorte& p) {
    if (p.MsgMax < 2) {
        return std::nullopt;  // no piece can have more room than MsgMax
    }
    Recuento r;
    r.digitosTotal =
        Digitos(RedondearArriba(static_cast<float>(static_cast<double>(texto.size()) / p.MsgMax)));
    for (int pasada = 0; pasada < kMaxPasadas; ++pasada) {
        const std::optional<int32_t> trozos = Pasada(texto, p, r.digitosTotal);
        if (!trozos) {
            return std::nullopt;
        }
        r.trozos = *trozos;
        if (*trozos > kMaxTrozos) {
            return r;
        }
        const int16_t digitos = Digitos(*trozos);
        if (digitos == r.digitosTotal) {
            break;
        }
        r.digitosTotal = digitos;
    }
    return r;
}

std::vector<Corte> GenerarTrozos(std::string_view texto, const ParametrosCorte& p,
                                 const Recuento& recuento) {
    std::vector<Corte> cortes;
    cortes.reserve(static_cast<std::size_t>(std::max(recuento.trozos, 0)));
    std::size_t desde = 0;
    for (int32_t numero = 1; numero <= recuento.trozos; ++numero) {
        const long long sitio = Sitio(p, numero, recuento.digitosTotal);
        if (sitio < 2) {
            break;  // ContarTrozos refuses such a split first
        }
        cortes.push_back(CalcularCorte(texto, desde, sitio));
        if (cortes.back().ultimo) {
            break;
        }
        desde = cortes.back().fin;
    }
    return cortes;
}

ListaTrozos::ListaTrozos(std::string texto, std::vector<Corte> cortes, const ParametrosCorte& p)
    : texto_(std::move(texto)), cortes_(std::move(cortes)), inverso_(p.Inverso) {
    if (p.Firmados && p.FirmarEnPosicion == 1) {
        prefijo_ = p.Firma + " ";
    } else if (p.Firmados && p.FirmarEnPosicion == 2) {
        sufijo_ = " " + p.Firma;
    }
    indicador_ = p.IndicadorTrozos && cortes_.size() != 1;
    deTotal_ = "/" + std::to_string(cortes_.size()) + " ";
}

void ListaTrozos::Anyadir(std::size_t i, std::string& destino) const {
    const std::size_t k = inverso_ ? cortes_.size() - 1 - i : i;
    const Corte& c = cortes_[k];
    if (indicador_) {
        char numero[24];
        const auto fin = std::to_chars(numero, numero + sizeof numero, k + 1).ptr;
        destino.append(numero, fin);
        destino += deTotal_;
    }
    destino += prefijo_;
    destino.append(texto_, c.inicio, c.fin - c.inicio);
    if (c.guion) {
        destino += '-';
    }
    destino += sufijo_;
}

std::string ListaTrozos::Trozo(std::size_t i) const {
    std::string trozo;
    Anyadir(i, trozo);
    return trozo;
}

std::vector<std::string> ListaTrozos::Textos() const {
    std::vector<std::string> textos;
    textos.reserve(cortes_.size());
    for (std::size_t i = 0; i < cortes_.size(); ++i) {
        textos.push_back(Trozo(i));
    }
    return textos;
}

}  // namespace rebanex
