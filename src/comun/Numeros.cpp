#include "comun/Numeros.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "comun/Blancos.h"

namespace rebanex {

namespace {

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

std::size_t Digitos(std::string_view t, std::size_t desde) {
    std::size_t n = 0;
    while (desde + n < t.size() && EsDigito(t[desde + n])) {
        ++n;
    }
    return n;
}

// The parts of the number a text begins with, located but not yet converted.
struct Partes {
    bool negativo = false;
    std::string_view enteros, decimales, exponente;  // exponente keeps its sign
    std::size_t fin = 0;                             // where the number ends in the text
};

std::optional<Partes> Localizar(std::string_view t, bool conExponente) {
    std::size_t i = 0;
    while (i < t.size() && EsBlanco(t[i])) {
        ++i;
    }
    Partes p;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        p.negativo = t[i] == '-';
        ++i;
    }
    const std::size_t enteros = Digitos(t, i);
    p.enteros = t.substr(i, enteros);
    i += enteros;
    if (i < t.size() && t[i] == '.') {
        const std::size_t decimales = Digitos(t, i + 1);
        p.decimales = t.substr(i + 1, decimales);
        i += 1 + decimales;
    }
    if (p.enteros.empty() && p.decimales.empty()) {
        return std::nullopt;
    }
    if (conExponente && i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            ++j;
        }
        const std::size_t n = Digitos(t, j);
        if (n > 0) {
            p.exponente = t.substr(i + 1, j + n - i - 1);
            i = j + n;
        }
    }
    p.fin = i;
    return p;
}

// Decimal order of magnitude of the number, enough to tell an overflow from an underflow
// when the conversion reports the value out of range.
long long Magnitud(const Partes& p) {
    long long m = 0;
    const std::size_t primero = p.enteros.find_first_not_of('0');
    if (primero != std::string_view::npos) {
        m = static_cast<long long>(p.enteros.size() - primero);
    } else {
        const std::size_t k = p.decimales.find_first_not_of('0');
        m = -static_cast<long long>(k == std::string_view::npos ? 0 : k);
    }
    long long e = 0;
    bool negativo = false;
    for (char c : p.exponente) {
        if (c == '-') {
            negativo = true;
        } else if (EsDigito(c) && e < 1'000'000'000) {
            e = e * 10 + (c - '0');
        }
    }
    return m + (negativo ? -e : e);
}

double Convertir(const Partes& p) {
    // from_chars refuses a leading "+" and is locale-independent, unlike strtod.
    std::string texto = p.enteros.empty() ? std::string("0") : std::string(p.enteros);
    if (!p.decimales.empty()) {
        texto += '.';
        texto += p.decimales;
    }
    if (!p.exponente.empty()) {
        texto += 'e';
        texto += p.exponente;
    }
    double valor = 0;
    const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    if (r.ec == std::errc::result_out_of_range) {
        valor = Magnitud(p) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (valor == 0) {
        return 0.0;  // never "-0"
    }
    return p.negativo ? -valor : valor;
}

// Nearest whole number with halves to the even neighbour; exact for every double.
double RedondearParReal(double valor) {
    const double abajo = std::floor(valor);
    const double resto = valor - abajo;
    if (resto < 0.5) {
        return abajo;
    }
    if (resto > 0.5) {
        return abajo + 1;
    }
    return std::fmod(abajo, 2.0) == 0 ? abajo : abajo + 1;
}

}  // namespace

double ValorNumerico(std::string_view texto) {
    const auto partes = Localizar(texto, false);
    return partes ? Convertir(*partes) : 0.0;
}

bool ValorSiNo(std::string_view texto) {
    const auto partes = Localizar(texto, true);
    if (!partes) {
        return false;
    }
    return SinBlancos(texto.substr(partes->fin)).empty() && Convertir(*partes) != 0;
}

int32_t RedondearPar(double valor) {
    if (std::isnan(valor)) {
        return 0;
    }
    if (valor >= std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (valor <= std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(RedondearParReal(valor));
}

std::optional<int32_t> RedondearParSiCabe(double valor) {
    if (std::isnan(valor) || std::isinf(valor)) {
        return std::nullopt;
    }
    const double r = RedondearParReal(valor);
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(r);
}

std::optional<int16_t> LeerEnteroEstricto(std::string_view texto) {
    const bool negativo = !texto.empty() && texto.front() == '-';
    if (negativo) {
        texto.remove_prefix(1);
    }
    if (texto.empty() || texto.size() > 5 || Digitos(texto, 0) != texto.size()) {
        return std::nullopt;
    }
    if (texto.front() == '0' && (texto.size() > 1 || negativo)) {
        return std::nullopt;
    }
    int valor = 0;
    for (char c : texto) {
        valor = valor * 10 + (c - '0');
    }
    if (negativo) {
        valor = -valor;
    }
    if (valor < std::numeric_limits<int16_t>::min() ||
        valor > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(valor);
}

std::string Decimal(long long valor) {
    char buffer[24];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
    return std::string(buffer, r.ptr);
}

std::string DecimalAgrupado(long long valor, std::string_view separador) {
    // The magnitude as unsigned, so that the smallest long long has one too.
    const unsigned long long magnitud = valor < 0 ? 0ULL - static_cast<unsigned long long>(valor)
                                                  : static_cast<unsigned long long>(valor);
    char buffer[24];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitud);
    const std::string_view cifras(buffer, static_cast<std::size_t>(r.ptr - buffer));
    std::string texto = valor < 0 ? "-" : "";
    for (std::size_t i = 0; i < cifras.size(); ++i) {
        if (i > 0 && (cifras.size() - i) % 3 == 0) {
            texto += separador;
        }
        texto += cifras[i];
    }
    return texto;
}

}  // namespace rebanex
