// The GSM 7-bit alphabet against Windows-1252, worked out from the alphabet's own tables.
#include "transforms/Gsm7.h"

#include <algorithm>
#include <bitset>
#include <cstring>

#include "comun/Composiciones.h"
#include "comun/Windows1252.h"

namespace rebanex {

namespace {

// The default alphabet in code order, 0x00 to 0x7F (3GPP TS 23.038, 6.2.1). Code 0x1B is the
// escape to the extension table, not a character.
constexpr std::u16string_view kBasico =
    u"@\u00A3$\u00A5\u00E8\u00E9\u00F9\u00EC\u00F2\u00C7\n\u00D8\u00F8\r\u00C5\u00E5"
    u"\u0394_\u03A6\u0393\u039B\u03A9\u03A0\u03A8\u03A3\u0398\u039E\x1B\u00C6\u00E6\u00DF\u00C9"
    u" !\"#\u00A4%&'()*+,-./0123456789:;<=>?"
    u"\u00A1ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00C4\u00D6\u00D1\u00DC\u00A7"
    u"\u00BFabcdefghijklmnopqrstuvwxyz\u00E4\u00F6\u00F1\u00FC\u00E0";
static_assert(kBasico.size() == 128);
constexpr std::size_t kEscape = 0x1B;

// The characters reached through the escape, in code order: the default extension table
// (6.2.1.1) and the Spanish single shift table (A.2.2), which replaces it.
constexpr std::u16string_view kExtension = u"\f^{}\\[~]|\u20AC";
constexpr std::u16string_view kEspanola =
    u"\u00E7\f^{}\\[~]|\u00C1\u00CD\u00D3\u00DA\u00E1\u20AC\u00ED\u00F3\u00FA";

CostesGsm Calcular(std::u16string_view extension) {
    CostesGsm costes{};
    for (int byte = 0; byte < 256; ++byte) {
        // Every character of the code page lies in the Basic Multilingual Plane.
        const auto c = static_cast<char16_t>(CaracterWindows1252(static_cast<unsigned char>(byte)));
        const std::size_t basico = kBasico.find(c);
        if (basico != std::u16string_view::npos && basico != kEscape) {
            costes[byte] = 1;
        } else if (extension.find(c) != std::u16string_view::npos) {
            costes[byte] = 2;
        }
    }
    return costes;
}

// What to write for the symbols that force UCS-2. Letters with an accent GSM-7 lacks lose it
// (their canonical decomposition gives the plain letter); these are the rest.
constexpr std::pair<unsigned char, std::string_view> kSimbolos[] = {
    {'\t', " "}, {'`', "'"},  {0x82, ","},   {0x83, "f"},   {0x84, "\""},  {0x85, "..."},
    {0x86, "+"}, {0x87, "+"}, {0x88, "^"},   {0x89, "%"},   {0x8B, "<"},   {0x8C, "OE"},
    {0x91, "'"}, {0x92, "'"}, {0x93, "\""},  {0x94, "\""},  {0x95, "-"},   {0x96, "-"},
    {0x97, "-"}, {0x98, "~"}, {0x99, "TM"},  {0x9B, ">"},   {0x9C, "oe"},  {0xA0, " "},
    {0xA2, "c"}, {0xA6, "|"}, {0xA8, "\""},  {0xA9, "(c)"}, {0xAA, "a"},   {0xAB, "\""},
    {0xAC, "-"}, {0xAD, ""},  {0xAE, "(R)"}, {0xAF, "-"},   {0xB0, "o"},   {0xB1, "+/-"},
    {0xB2, "2"}, {0xB3, "3"}, {0xB4, "'"},   {0xB5, "u"},   {0xB7, "."},   {0xB8, ","},
    {0xB9, "1"}, {0xBA, "o"}, {0xBB, "\""},  {0xBC, "1/4"}, {0xBD, "1/2"}, {0xBE, "3/4"},
    {0xD0, "D"}, {0xD7, "x"}, {0xDE, "TH"},  {0xF0, "d"},   {0xF7, "/"},   {0xFE, "th"},
};

struct Sustitutos {
    std::array<std::string_view, 256> texto;
    std::bitset<256> hay;
};

Sustitutos CalcularSustitutos() {
    Sustitutos s;
    const CostesGsm& costes = Costes(TablaGsm::Basica);
    // Controls (and the bytes the code page leaves undefined) are invisible in a message: they
    // go, but for the tab, which is a space.
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = CaracterWindows1252(static_cast<unsigned char>(byte));
        if (costes[byte] == 0 && (c < 0x20 || (c >= 0x7F && c < 0xA0))) {
            s.hay[byte] = true;
        }
    }
    static constexpr std::string_view kLetras =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    for (const Composicion& k : Composiciones()) {
        const auto byte = ByteWindows1252(k.resultado);
        const std::size_t letra = kLetras.find(static_cast<char>(k.base));
        if (byte && costes[*byte] == 0 && k.base < 0x80 && letra != std::string_view::npos) {
            s.texto[*byte] = kLetras.substr(letra, 1);
            s.hay[*byte] = true;
        }
    }
    for (const auto& [byte, texto] : kSimbolos) {
        s.texto[byte] = texto;
        s.hay[byte] = true;
    }
    return s;
}

const Sustitutos& TablaSustitutos() {
    static const Sustitutos s = CalcularSustitutos();
    return s;
}

}  // namespace

const CostesGsm& Costes(TablaGsm tabla) {
    static const CostesGsm basica = Calcular(kExtension), espanola = Calcular(kEspanola);
    return tabla == TablaGsm::Espanola ? espanola : basica;
}

std::optional<std::string_view> SustitutoGsm(unsigned char byte) {
    const Sustitutos& s = TablaSustitutos();
    return s.hay[byte] ? std::optional(s.texto[byte]) : std::nullopt;
}

std::string AdaptarGSM(std::string& texto, TablaGsm tabla) {
    const CostesGsm& costes = Costes(tabla);
    char* const datos = texto.data();
    const std::size_t largo = texto.size();
    std::string sinSustituto;
    const auto anotar = [&sinSustituto](char c) {
        if (sinSustituto.find(c) == std::string::npos) {
            sinSustituto += c;
        }
    };
    std::size_t i = 0;
    while (i < largo && costes[static_cast<unsigned char>(datos[i])] != 0) {
        ++i;
    }
    if (i == largo) {
        return sinSustituto;  // the usual case: nothing to change
    }
    const Sustitutos& sustitutos = TablaSustitutos();
    // In place while the text written stays behind the text read (most suggestions are one
    // letter, so it rarely moves at all); a longer one that would overrun it finishes the rest
    // in a copy.
    std::size_t w = i;
    while (i < largo) {
        std::size_t k = i;
        while (k < largo && costes[static_cast<unsigned char>(datos[k])] != 0) {
            ++k;
        }
        if (w != i) {
            std::memmove(datos + w, datos + i, k - i);
        }
        w += k - i;
        i = k;
        if (i == largo) {
            break;
        }
        const char c = datos[i];
        const auto byte = static_cast<unsigned char>(c);
        if (!sustitutos.hay[byte]) {
            anotar(c);
            datos[w++] = c;
            ++i;
            continue;
        }
        const std::string_view sustituto = sustitutos.texto[byte];
        if (w + sustituto.size() > i + 1) {
            break;
        }
        sustituto.copy(datos + w, sustituto.size());
        w += sustituto.size();
        ++i;
    }
    if (i == largo) {
        texto.resize(w);
        return sinSustituto;
    }
    std::string adaptado;
    adaptado.reserve(w + (largo - i) + (largo - i) / 8);
    adaptado.append(datos, w);
    std::size_t tramo = i;  // stretches of GSM-7 go over whole
    for (; i < largo; ++i) {
        const auto byte = static_cast<unsigned char>(datos[i]);
        if (costes[byte] != 0) {
            continue;
        }
        if (sustitutos.hay[byte]) {
            adaptado.append(datos + tramo, i - tramo);
            adaptado += sustitutos.texto[byte];
            tramo = i + 1;
        } else {
            anotar(datos[i]);
        }
    }
    adaptado.append(datos + tramo, largo - tramo);
    texto = std::move(adaptado);
    return sinSustituto;
}

}  // namespace rebanex
