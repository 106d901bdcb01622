#include "transforms/Buscar.h"

namespace rebanex {

namespace {

char Otro(char c, bool sinMayusculas) {
    return sinMayusculas ? Traducir(kMinusculas, c) : c;
}

std::size_t Primera(const Buscador& buscador, std::size_t desde) {
    std::size_t encontrada = std::string_view::npos;
    buscador.Recorrer<false>(desde, [&](std::size_t p) {
        encontrada = p;
        return std::string_view::npos;
    });
    return encontrada;
}

}  // namespace

Buscador::Extremo::Extremo(char letra, char otraLetra)
    : c(letra),
      otro(otraLetra),
      plegable(((letra ^ otraLetra) & ~0x20) == 0),
      pliegue(Bloque16::Lleno(letra != otraLetra ? 0x20 : 0)),
      plegado(Bloque16::Lleno(static_cast<char>(letra != otraLetra ? letra | 0x20 : letra))),
      bloque(Bloque16::Lleno(letra)),
      bloqueOtro(Bloque16::Lleno(otraLetra)) {}

// Ignoring case each end can be one of two characters: a capital has one small letter at most.
Buscador::Buscador(std::string_view texto, std::string_view patron, bool sinMayusculas)
    : texto_(texto),
      patron_(patron),
      sinMayusculas_(sinMayusculas),
      primero_(patron.empty() ? '\0' : patron.front(),
               Otro(patron.empty() ? '\0' : patron.front(), sinMayusculas)),
      segundo_(patron.size() < 2 ? primero_.c : patron[1],
               Otro(patron.size() < 2 ? primero_.c : patron[1], sinMayusculas)),
      ultimo_(patron.empty() ? '\0' : patron.back(),
              Otro(patron.empty() ? '\0' : patron.back(), sinMayusculas)) {}

Buscador::Ventana Buscador::CandidatosUnoAUno(std::size_t i) const {
    const std::size_t k = patron_.size();
    Ventana m = 0;
    for (std::size_t j = i; j + k <= texto_.size() && j < i + kAncho; ++j) {
        const bool cabe = primero_.Cabe(texto_[j]) && segundo_.Cabe(texto_[j + (k > 1 ? 1 : 0)]) &&
                          ultimo_.Cabe(texto_[j + k - 1]);
        m |= Ventana{cabe} << (j - i);
    }
    return m;
}

std::size_t Buscar(std::string_view texto, std::string_view patron, std::size_t desde) {
    if (patron.size() < 2) {
        return texto.find(patron, desde);
    }
    return Primera(Buscador(texto, patron, false), desde);
}

std::size_t BuscarSinMayusculas(std::string_view texto, std::string_view enMayusculas,
                                std::size_t desde) {
    if (enMayusculas.empty()) {
        return desde <= texto.size() ? desde : std::string_view::npos;
    }
    return Primera(Buscador(texto, enMayusculas, true), desde);
}

}  // namespace rebanex
