// The piece list and the cutter that fills it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rebanex {

// The window's piece list. Index 0 stays empty; pieces are at 1..NumTrozos.
struct ListaTrozos {
    std::vector<std::string> Trozos;
    int32_t NumTrozos = 0;
    int32_t TrozoActual = 0;
    int16_t DigitosTotal = 0;
};

// What shapes every cut of one split.
struct ParametrosCorte {
    int16_t MsgMax = 160;
    bool IndicadorTrozos = false;
    long long LongitudMensaje = 0;  // length of the untransformed message box text
    bool Inverso = false;
    bool Firmados = false;     // every piece carries the signature (TrozosFirmados)
    int FirmarEnPosicion = 1;  // 1 in front, 2 at the end (only with Firmados)
    std::string Firma;
};

// More pieces than this do not fit the 16-bit piece count the cut was designed for.
inline constexpr int32_t kMaxTrozos = INT16_MAX;

// Raises a quotient to the next whole number (toward zero, plus one, when not whole);
// leaves the result in x too. A result beyond int16 saturates (NaN gives 0).
int16_t RedondearArriba(float& x);

// The same rounding, but nullopt when the whole number does not fit in int16 (or x is NaN),
// the overflow the live counter swallows.
std::optional<int16_t> RedondearArribaAcotado(float& x);

// Cuts one working text. Positions are 1-based.
class Cortador {
  public:
    Cortador(const std::string& texto, const ParametrosCorte& parametros, ListaTrozos& lista);

    // One piece: sets inicio and fin, moves pos past it; sinGuion is false when the piece
    // was broken inside a word. Returns true when more pieces follow.
    bool CalcularCorte(long long& inicio, long long& pos, long long& fin, bool& sinGuion);

    // Room left for text in the piece TrozoActual, after the indicator and signature.
    long long Sitio() const;

    // The counting passes: sets DigitosTotal and returns the number of pieces (leaving
    // TrozoActual equal to it). nullopt when some piece would have room for fewer than
    // 2 characters: such a split cannot make progress. Counting stops past kMaxTrozos and
    // returns kMaxTrozos + 1, so absurdly long texts cost no more than that.
    std::optional<int32_t> ContarTrozos();

    // Fills Trozos for the list's NumTrozos, in normal or reverse order. Meant to follow a
    // successful ContarTrozos; with another NumTrozos it stops at the list's bounds.
    void GenerarTrozos();

  private:
    // One counting pass with the current DigitosTotal.
    std::optional<int32_t> Pasada();
    bool EsEspacio(long long posicion) const;

    const std::string& texto_;
    const ParametrosCorte& p_;
    ListaTrozos& lista_;
};

}  // namespace rebanex
