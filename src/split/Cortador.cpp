// The piece cutter: where each piece starts and ends, how many there are, and their texts.
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

}  // namespace

Cortador::Cortador(const std::string& texto, const ParametrosCorte& parametros, ListaTrozos& lista)
    : texto_(texto), p_(parametros), lista_(lista) {}

bool Cortador::EsEspacio(long long posicion) const {
    return posicion >= 1 && posicion <= static_cast<long long>(texto_.size()) &&
           texto_[posicion - 1] == ' ';
}

long long Cortador::Sitio() const {
    long long sitio = p_.MsgMax;
    // The reserve follows the message box, not the working text: a text that grew by
    // transforms gets its indicators on top.
    if (p_.IndicadorTrozos && p_.LongitudMensaje >= p_.MsgMax) {
        sitio -= Digitos(lista_.TrozoActual) + 1 + lista_.DigitosTotal + 1;
    }
    if (p_.Firmados) {
        sitio -= static_cast<long long>(p_.Firma.size()) + 1;
    }
    return sitio;
}

bool Cortador::CalcularCorte(long long& inicio, long long& pos, long long& fin, bool& sinGuion) {
    const long long largo = static_cast<long long>(texto_.size());
    sinGuion = true;
    bool siguen = true;

    ++pos;
    while (EsEspacio(pos)) {
        ++pos;
    }
    inicio = pos;
    fin = pos + Sitio() - 1;

    if (fin >= largo) {
        fin = largo;  // the last piece is never hyphenated
        siguen = false;
    } else if (!EsEspacio(fin + 1)) {
        long long i = fin;
        while (!EsEspacio(i) && i > inicio) {
            --i;
        }
        if (i > inicio) {
            fin = i;  // the space stays at the end of the piece
        } else {
            --fin;  // one word fills the piece: give up a character for the hyphen
            sinGuion = false;
        }
    }
    pos = fin;
    return siguen;
}

std::optional<int32_t> Cortador::Pasada() {
    long long pos = 0, inicio = 1, fin = 0;
    bool sinGuion = true;
    lista_.TrozoActual = 1;
    for (;;) {
        // Below 2 characters a word would never advance (1) or the bounds would invert.
        if (Sitio() < 2) {
            return std::nullopt;
        }
        if (!CalcularCorte(inicio, pos, fin, sinGuion)) {
            return lista_.TrozoActual;
        }
        if (lista_.TrozoActual > kMaxTrozos) {
            return lista_.TrozoActual;
        }
        ++lista_.TrozoActual;
    }
}

std::optional<int32_t> Cortador::ContarTrozos() {
    if (p_.MsgMax < 2) {
        return std::nullopt;  // no piece can have more room than MsgMax
    }
    float estimacion = static_cast<float>(static_cast<double>(texto_.size()) / p_.MsgMax);
    lista_.DigitosTotal = Digitos(RedondearArriba(estimacion));

    std::optional<int32_t> trozos;
    for (int pasada = 0; pasada < kMaxPasadas; ++pasada) {
        trozos = Pasada();
        if (!trozos || *trozos > kMaxTrozos) {
            return trozos;
        }
        const int16_t digitos = Digitos(*trozos);
        if (digitos == lista_.DigitosTotal) {
            break;
        }
        lista_.DigitosTotal = digitos;
    }
    return trozos;
}

void Cortador::GenerarTrozos() {
    const int32_t total = lista_.NumTrozos;
    lista_.Trozos.assign(total > 0 ? static_cast<std::size_t>(total) + 1 : 1, std::string());

    const int32_t paso = p_.Inverso ? -1 : 1;
    int32_t indice = p_.Inverso ? total + 1 : 0;

    std::string prefijo, sufijo;
    if (p_.Firmados && p_.FirmarEnPosicion == 1) {
        prefijo = p_.Firma + " ";
    } else if (p_.Firmados && p_.FirmarEnPosicion == 2) {
        sufijo = " " + p_.Firma;
    }
    const bool conIndicador = p_.IndicadorTrozos && total != 1;
    const std::string deTotal = "/" + std::to_string(total) + " ";

    long long pos = 0, inicio = 1, fin = 0;
    bool sinGuion = true;
    bool hecho = false;
    lista_.TrozoActual = 0;
    while (!hecho) {
        ++lista_.TrozoActual;
        if (Sitio() < 2) {
            break;  // ContarTrozos refuses such a split first
        }
        hecho = !CalcularCorte(inicio, pos, fin, sinGuion);
        indice += paso;
        if (indice < 1 || indice > total) {
            break;  // NumTrozos does not belong to this text
        }

        std::string& trozo = lista_.Trozos[indice];
        const auto largo = static_cast<std::size_t>(fin - inicio + 1);
        trozo.reserve(12 + prefijo.size() + largo + 1 + sufijo.size());
        if (conIndicador) {
            trozo += std::to_string(lista_.TrozoActual);
            trozo += deTotal;
        }
        trozo += prefijo;
        trozo.append(texto_, static_cast<std::size_t>(inicio - 1), largo);
        if (!sinGuion) {
            trozo += '-';
        }
        trozo += sufijo;
    }
}

}  // namespace rebanex
