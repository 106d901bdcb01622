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

// What the signature costs in SMS mode, worked out once per split.
CuentaSms FirmaSms(const ParametrosCorte& p) {
    return p.TrozosSms && p.Firmados ? ContarSms(p.Firma, p.Tabla) : CuentaSms{};
}

// Piece `numero` from `desde`; nullopt when it has no room for the text.
std::optional<Corte> Cortar(std::string_view texto, std::size_t desde, const ParametrosCorte& p,
                            const CuentaSms& firma, int32_t numero, int16_t digitosTotal) {
    const long long sitio = Sitio(p, numero, digitosTotal);
    if (p.TrozosSms) {
        // Sitio counts the signature in characters and MsgMax whole; an SMS counts its units.
        const long long firmaCaracteres =
            p.Firmados ? static_cast<long long>(p.Firma.size()) + 1 : 0;
        const long long indicador = p.MsgMax - sitio - firmaCaracteres;
        SitioSms s;
        s.soloUcs2 = firma.codificacion == Codificacion::Ucs2;
        s.unidades = std::min<long long>(p.MsgMax, kSmsUcs2) - indicador - firmaCaracteres;
        s.septetos = std::min<long long>(p.MsgMax, CapacidadSms(Codificacion::Gsm7, p.Tabla)) -
                     indicador - (p.Firmados ? firma.unidades + 1 : 0);
        return CalcularCorteSms(texto, desde, s, Costes(p.Tabla));
    }
    // Below 2 characters a word would never advance (1) or the bounds would invert.
    if (sitio < 2) {
        return std::nullopt;
    }
    return CalcularCorte(texto, desde, sitio);
}

// One counting pass with a given digit count; its cuts go to `cortes` when given.
std::optional<int32_t> Pasada(std::string_view texto, const ParametrosCorte& p,
                              const CuentaSms& firma, int16_t digitosTotal,
                              std::vector<Corte>* cortes) {
    std::size_t desde = 0;
    for (int32_t numero = 1;; ++numero) {
        const std::optional<Corte> corte = Cortar(texto, desde, p, firma, numero, digitosTotal);
        if (!corte) {
            return std::nullopt;
        }
        if (cortes != nullptr) {
            cortes->push_back(*corte);
        }
        if (corte->ultimo || numero > kMaxTrozos) {
            return numero;
        }
        desde = corte->fin;
    }
}

}  // namespace

// The reserve follows the message box, not the working text: a text that grew by transforms
// gets its indicators on top. In SMS mode every piece has to fit whole.
bool ReservaIndicador(const ParametrosCorte& p) {
    return p.IndicadorTrozos && (p.TrozosSms || p.LongitudMensaje >= p.MsgMax);
}

long long Sitio(const ParametrosCorte& p, int32_t numero, int16_t digitosTotal) {
    long long sitio = p.MsgMax;
    // A count of no digits (SMS mode) asks whether the text fits one piece without it.
    if (ReservaIndicador(p) && digitosTotal > 0) {
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

std::optional<Recuento> ContarTrozos(std::string_view texto, const ParametrosCorte& p,
                                     std::vector<Corte>* cortes) {
    if (p.MsgMax < 2) {
        return std::nullopt;  // no piece can have more room than MsgMax
    }
    const CuentaSms firma = FirmaSms(p);
    if (p.TrozosSms && p.IndicadorTrozos) {
        const std::optional<Corte> entero = Cortar(texto, 0, p, firma, 1, 0);
        if (entero && entero->ultimo) {
            if (cortes != nullptr) {
                cortes->assign(1, *entero);
            }
            return Recuento{1, 0};
        }
    }
    Recuento r;
    r.digitosTotal =
        Digitos(RedondearArriba(static_cast<float>(static_cast<double>(texto.size()) / p.MsgMax)));
    if (cortes != nullptr) {
        // Room for pieces half full, within the count's own bound: growing by doubling copied
        // the cuts into fresh pages each time, and room never touched costs no page.
        const std::size_t mitad = static_cast<std::size_t>(std::max(p.MsgMax / 2, 1));
        cortes->reserve(std::min<std::size_t>(texto.size() / mitad + 1, kMaxTrozos + 1));
    }
    for (int pasada = 0; pasada < kMaxPasadas; ++pasada) {
        if (cortes != nullptr) {
            cortes->clear();
        }
        const std::optional<int32_t> trozos = Pasada(texto, p, firma, r.digitosTotal, cortes);
        if (!trozos) {
            return std::nullopt;
        }
        r.trozos = *trozos;
        if (*trozos > kMaxTrozos) {
            return r;
        }
        const int16_t digitos = Digitos(*trozos);
        if (digitos == r.digitosTotal) {
            return r;  // the cuts of this pass are the split's
        }
        r.digitosTotal = digitos;
    }
    if (cortes != nullptr) {
        cortes->clear();  // made with another digit count
    }
    return r;
}

std::vector<Corte> GenerarTrozos(std::string_view texto, const ParametrosCorte& p,
                                 const Recuento& recuento) {
    std::vector<Corte> cortes;
    cortes.reserve(static_cast<std::size_t>(std::max(recuento.trozos, 0)));
    const CuentaSms firma = FirmaSms(p);
    std::size_t desde = 0;
    for (int32_t numero = 1; numero <= recuento.trozos; ++numero) {
        const std::optional<Corte> corte =
            Cortar(texto, desde, p, firma, numero, recuento.digitosTotal);
        if (!corte) {
            break;  // ContarTrozos refuses such a split first
        }
        cortes.push_back(*corte);
        if (cortes.back().ultimo) {
            break;
        }
        desde = cortes.back().fin;
    }
    return cortes;
}

ListaTrozos::ListaTrozos(std::string texto, std::vector<Corte> cortes, const ParametrosCorte& p)
    : texto_(std::move(texto)),
      cortes_(std::move(cortes)),
      tabla_(p.Tabla),
      msgMax_(p.MsgMax),
      inverso_(p.Inverso) {
    if (p.Firmados && p.FirmarEnPosicion == PosicionFirma::Delante) {
        prefijo_ = p.Firma + " ";
    } else if (p.Firmados && p.FirmarEnPosicion == PosicionFirma::AlFinal) {
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

MedidaTrozo MedirTrozo(std::string_view trozo, TablaGsm tabla, int16_t msgMax) {
    const CuentaSms cuenta = ContarSms(trozo, tabla);
    return {cuenta.codificacion, cuenta.unidades,
            std::min<long long>(msgMax, CapacidadSms(cuenta.codificacion, tabla))};
}

MedidaTrozo ListaTrozos::Medida(std::size_t i) const {
    return MedirTrozo(Trozo(i), tabla_, msgMax_);
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
