// Reading numbers out of texts the way the program always has: settings values,
// the maximum-length box, colour values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rebanex {

// The number a text begins with: blanks (space, tab) before it skipped, optional sign,
// digits, optional decimal part. 0 when the text does not begin with a number.
double ValorNumerico(std::string_view texto);

// How a flag key of the settings file reads: on when the whole text, blanks around it
// allowed, is a number other than zero (sign, decimal part and exponent allowed: "1e3").
// A text that is no number as a whole ("si", "", "1abc") is off.
bool ValorSiNo(std::string_view texto);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
// Values beyond the int32 range are clamped to it.
int32_t RedondearPar(double valor);

// The same rounding, but nullopt when the rounded value does not fit in int32 (or the value
// is not finite): for callers that keep their previous value in that case.
std::optional<int32_t> RedondearParSiCabe(double valor);

// The text is exactly the plain decimal rendering of a whole number that fits in int16:
// optional "-", digits, no leading zeros, no "-0", nothing else. Otherwise nullopt.
std::optional<int16_t> LeerEnteroEstricto(std::string_view texto);

// Decimal text of an integer, plain ("-12", "0").
std::string Decimal(long long valor);

// Decimal text with thousands grouped by the given separator (1234 -> "1.234"), as
// the "##,##0" pattern formats a count.
std::string DecimalAgrupado(long long valor, std::string_view separador);

}  // namespace rebanex
