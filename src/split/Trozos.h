// The cutter: where each piece starts and ends, how many there are, and their texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comun/Elecciones.h"
#include "split/Sms.h"

namespace rebanex {

// What shapes every cut of one split.
struct ParametrosCorte {
    int16_t MsgMax = 160;
    bool IndicadorTrozos = false;
    long long LongitudMensaje = 0;  // length of the untransformed message box text
    bool Inverso = false;
    bool Firmados = false;  // every piece carries the signature (TrozosFirmados)
    PosicionFirma FirmarEnPosicion = PosicionFirma::Delante;  // only with Firmados
    std::string Firma;
    // Every piece, indicator and signature included, one SMS in its own encoding: MsgMax
    // counts septets (at most one SMS of them) or, in a piece with a character that forces
    // UCS-2, UTF-16 units (at most 70).
    bool TrozosSms = false;
    TablaGsm Tabla = TablaGsm::Basica;
};

// More pieces than this do not fit the 16-bit piece count the cut was designed for.
inline constexpr int32_t kMaxTrozos = INT16_MAX;

// Raises a quotient to the next whole number (toward zero, plus one, when not whole).
// A result beyond int16 saturates (NaN gives 0).
int16_t RedondearArriba(float x);

// The same rounding, but nullopt when the whole number does not fit in int16 (or x is NaN),
// the overflow the live counter swallows.
std::optional<int16_t> RedondearArribaAcotado(float x);

// The text of one piece: characters [inicio, fin) of the working text (0-based).
struct Corte {
    std::size_t inicio = 0;
    std::size_t fin = 0;
    bool guion = false;   // broken inside a word: a hyphen closes the piece
    bool ultimo = false;  // reaches the end of the text
};

// Whether each piece keeps room for its indicator: the reserve follows the message box, not
// the working text, so a text that grew by transforms gets its indicators on top.
bool ReservaIndicador(const ParametrosCorte& p);

// Room left for text in piece `numero` (from 1) when the piece count has `digitosTotal`
// digits, after the indicator and the signature.
long long Sitio(const ParametrosCorte& p, int32_t numero, int16_t digitosTotal);

// The piece after the spaces at `desde`, with room for `sitio` characters: it ends after the
// last space that fits (the space stays in the piece) or, when one word fills it, one
// character short for the hyphen. The last piece is never hyphenated.
Corte CalcularCorte(std::string_view texto, std::size_t desde, long long sitio);

// Room for the text of one piece in SMS mode, after its indicator and signature.
struct SitioSms {
    long long septetos = 0;  // sent as GSM-7
    long long unidades = 0;  // sent as UCS-2
    bool soloUcs2 = false;   // the signature forces UCS-2 on every piece
};

// The piece after the spaces at `desde` in SMS mode: the longer of the GSM-7 cut (by the rules
// above, in septets, of the text before the next character that forces UCS-2) and the UCS-2
// cut (when it holds such a character), the GSM-7 one on a tie. nullopt when neither takes
// any text: a room below 2 in the encoding the piece needs.
std::optional<Corte> CalcularCorteSms(std::string_view texto, std::size_t desde,
                                      const SitioSms& sitio, const CostesGsm& costes);

struct Recuento {
    int32_t trozos = 0;
    int16_t digitosTotal = 0;  // digits of the count the indicators reserve room for
};

// The counting passes. nullopt when some piece would have room for fewer than 2
// characters: such a split cannot make progress. In SMS mode every piece reserves room for its
// indicator, and a text that fits one SMS whole is one piece without it (digitosTotal 0). Counting
// stops past kMaxTrozos and gives kMaxTrozos + 1, so absurdly long texts cost no more than that.
// With `cortes`, a successful count leaves there the cuts GenerarTrozos would give (or nothing).
std::optional<Recuento> ContarTrozos(std::string_view texto, const ParametrosCorte& p,
                                     std::vector<Corte>* cortes = nullptr);

// A piece as it would be sent: its encoding, its units, and the most that one SMS of that
// encoding holds within MsgMax.
struct MedidaTrozo {
    Codificacion codificacion = Codificacion::Gsm7;
    long long unidades = 0;
    long long limite = 0;
};

// Any text measured as one piece of a split with that table and maximum (a piece as edited).
MedidaTrozo MedirTrozo(std::string_view trozo, TablaGsm tabla, int16_t msgMax);

// A finished split: the working text, its cuts in cutting order, and what every piece
// carries besides its text. Pieces are numbered from 0 in the order they are shown (the
// reverse of the cutting order with Inverso).
class ListaTrozos {
  public:
    ListaTrozos() = default;
    ListaTrozos(std::string texto, std::vector<Corte> cortes, const ParametrosCorte& p);

    std::size_t Cuantos() const { return cortes_.size(); }
    // Appends piece i to `destino`: indicator, signature in front, text, hyphen, signature
    // at the end.
    void Anyadir(std::size_t i, std::string& destino) const;
    std::string Trozo(std::size_t i) const;
    std::vector<std::string> Textos() const;
    MedidaTrozo Medida(std::size_t i) const;
    TablaGsm Tabla() const { return tabla_; }
    int16_t MsgMax() const { return msgMax_; }

  private:
    std::string texto_;
    std::vector<Corte> cortes_;
    TablaGsm tabla_ = TablaGsm::Basica;
    int16_t msgMax_ = 0;
    bool inverso_ = false;
    bool indicador_ = false;
    std::string prefijo_, sufijo_, deTotal_;
};

// The cuts for a successful count, in cutting order.
std::vector<Corte> GenerarTrozos(std::string_view texto, const ParametrosCorte& p,
                                 const Recuento& recuento);

}  // namespace rebanex
