// What a text costs as SMS: its encoding, its units and how many SMS it takes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "transforms/Gsm7.h"

namespace rebanex {

enum class Codificacion { Gsm7, Ucs2 };

// One SMS holds 140 octets: 160 septets, or 70 UTF-16 units; the Spanish single shift table
// takes 4 septets of it (155). A part of a linked message also carries the link (153, 149, 67).
inline constexpr long long kSmsGsm7 = 160, kSmsEspanola = 155, kSmsUcs2 = 70;
inline constexpr long long kParteGsm7 = 153, kParteEspanola = 149, kParteUcs2 = 67;
// The link numbers its parts in one octet.
inline constexpr long long kMaxPartes = 255;

// The units one SMS holds in that encoding.
long long CapacidadSms(Codificacion codificacion, TablaGsm tabla);

struct CuentaSms {
    Codificacion codificacion = Codificacion::Gsm7;
    // Septets in GSM-7 (1 per character, 2 per escape pair; CR and LF 1 each), UTF-16 units in
    // UCS-2 (1 per character).
    long long unidades = 0;
    std::vector<std::size_t> fuerzanUcs2;  // where the characters that force UCS-2 are
    std::string distintos;                 // those characters, each once, in order
    long long sms = 0;                     // parts as one linked message; 0 for no text
    bool demasiados = false;               // more than kMaxPartes: it cannot go linked
};

// The text as it would be sent, whole. An escape pair never straddles two parts.
CuentaSms ContarSms(std::string_view texto, TablaGsm tabla);

}  // namespace rebanex
