// The transforms of the working text, each over its own small table; the GSM-7 cost of every
// byte against the reference table, and adapting to GSM-7.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "comun/Referencia.h"
#include "split/Sms.h"
#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
#include "transforms/Gsm7.h"
#include "transforms/Regla.h"
#include "transforms/Tablas.h"

namespace rebanex {
namespace {

template <typename... Mas>
std::string Con(void (*transformar)(std::string&, Mas...), std::string texto,
                std::type_identity_t<Mas>... mas) {
    transformar(texto, mas...);
    return texto;
}

TEST(Caracteres, QuitarAcentosYCambiarLetras) {
    std::string todos(256, '\0');
    std::iota(todos.begin(), todos.end(), '\0');
    // Exactly the twenty accented vowels change (not ü, not ñ).
    EXPECT_EQ(Con(QuitarAcentos, "áéíóúàèìòù ÁÉÍÓÚÀÈÌÒÙ üñ"), "aeiouaeiou AEIOUAEIOU üñ");
    const std::string sin = Con(QuitarAcentos, todos);
    EXPECT_EQ(std::transform_reduce(todos.begin(), todos.end(), sin.begin(), 0, std::plus<>(),
                                    std::not_equal_to<>()),
              20);
    // Case in pairs of Windows-1252; each change undone by the other, so the tables agree.
    EXPECT_EQ(Con(CambiarLetras, std::string("aœÿñßµªº÷×0!¿€"), true), "AŒŸÑßµªº÷×0!¿€");
    const std::string arriba = Con(CambiarLetras, todos, true),
                      abajo = Con(CambiarLetras, todos, false);
    EXPECT_EQ(Con(CambiarLetras, abajo, true) + Con(CambiarLetras, arriba, false), arriba + abajo);
}

// The sixteen-byte passes give what a byte at a time gives, across block ends and the tail, and
// in long texts once they have shrunk by more than a block: runs of code 32 squeezed; tabs and
// CR LF pairs become spaces, lone CR and LF stay.
TEST(Caracteres, PorBloquesComoByteAByte) {
    constexpr std::string_view kLetras = "aQ  \r\n\tÁéšŠÿŸ";
    std::mt19937 azar(16);
    for (int caso = 0; caso < 400; ++caso) {
        std::string texto(azar() % (caso % 4 ? 90 : 1000), ' ');
        for (char& c : texto) {
            c = kLetras[azar() % kLetras.size()];
        }
        std::string saltos, espacios = texto;  // the obvious way
        for (std::size_t i = 0; i < texto.size(); ++i) {
            const bool crlf = texto.compare(i, 2, "\r\n") == 0;
            saltos += texto[i] == '\t' || crlf ? ' ' : texto[i];
            i += crlf ? 1 : 0;
        }
        espacios.erase(std::unique(espacios.begin(), espacios.end(),
                                   [](char a, char b) { return a == ' ' && b == ' '; }),
                       espacios.end());
        EXPECT_EQ(Con(QuitarMultiEspacios, texto), espacios) << texto;
        EXPECT_EQ(Con(PrepararCaracteres, texto, false, CasoLetras::TalCual), saltos) << texto;
        for (const CasoLetras letras :
             {CasoLetras::TalCual, CasoLetras::Minusculas, CasoLetras::Mayusculas}) {
            std::string esperado = Con(QuitarAcentos, saltos);
            if (letras != CasoLetras::TalCual) {
                CambiarLetras(esperado, letras == CasoLetras::Mayusculas);
            }
            EXPECT_EQ(Con(PrepararCaracteres, texto, true, letras), esperado) << texto;
        }
        const std::string patron = texto.substr(azar() % (texto.size() + 1), 1 + azar() % 4);
        const std::string enMayusculas = Con(CambiarLetras, patron, true);
        const std::string todoMayusculas = Con(CambiarLetras, texto, true);
        for (std::size_t desde = 0; desde <= texto.size() + 1; desde += 1 + azar() % 9) {
            EXPECT_EQ(Buscar(texto, patron, desde), texto.find(patron, desde)) << texto;
            EXPECT_EQ(BuscarSinMayusculas(texto, enMayusculas, desde),
                      todoMayusculas.find(enMayusculas, desde))
                << texto;
        }
    }
}

TEST(Firma, VaDondeDiceSuPosicion) {
    constexpr auto D = PosicionFirma::Delante, F = PosicionFirma::AlFinal,
                   C = PosicionFirma::EnCursor;
    const std::tuple<std::string, PosicionFirma, long long, std::string> casos[] = {
        // The caret may lie past a text the transforms shortened.
        {"hola", D, 0, "Ana hola"}, {"", F, 0, " Ana"},        {"hola ", F, 0, "hola  Ana"},
        {"hola", C, 2, "hoAnala"},  {"hola", C, 9, "holaAna"}, {"hola", C, -3, "Anahola"}};
    for (const auto& [texto, posicion, cursor, esperado] : casos) {
        EXPECT_EQ(Con(InsertarFirmaEnPosicion, texto, "Ana", posicion, cursor), esperado)
            << static_cast<int>(posicion) << " " << cursor;
    }
    std::string texto = "hola";
    InsertarFirma(texto, texto, PosicionFirma::AlFinal);  // a signature that views the text itself
    EXPECT_EQ(texto, "hola hola");
}

TEST(Regla, CadaClaseSustituyeSusPalabras) {
    using enum Regla::Clase;
    const std::tuple<Regla::Clase, const char*, const char*, const char*, const char*> casos[] = {
        // Whole words, any case; capitals when the occurrence starts with one.
        {Palabra, "que", "q", "que Que QUE qUE", "q Q Q q"},
        {Palabra, "que", "q", "queso porquería ¿que? que;", "queso porquería ¿q? que;"},
        {Palabra, "1a", "uno", "1A", "uno"},            // a digit is never a capital
        {Palabra, "que", "que que", "que", "que que"},  // not searched again
        {Prefijo, "a", "-", "aa", "--"},  // the word test sees the text as the rule left it
    };
    for (const auto& [clase, buscar, reemplazo, texto, esperado] : casos) {
        std::string t = texto;
        AplicarRegla(Regla(clase, buscar, reemplazo), t);
        EXPECT_EQ(t, esperado) << buscar << " en " << texto;
    }
}

// One line per run of bytes with the same costs and substitute: "first-last" or the byte alone.
TEST(Gsm7, CosteYSustitutoDeCadaByte) {
    const auto coste = [](int septetos) {
        return septetos == 0 ? std::string("UCS-2") : std::to_string(septetos);
    };
    const auto fila = [&](int byte) {
        std::string f = "\t" + coste(Costes(TablaGsm::Basica)[byte]) + "\t" +
                        coste(Costes(TablaGsm::Espanola)[byte]);
        if (Costes(TablaGsm::Basica)[byte] == 0) {
            const auto s = SustitutoGsm(static_cast<unsigned char>(byte));
            f += "\t" + (!s           ? std::string("(none)")
                         : s->empty() ? std::string("(drop)")
                         : *s == " "  ? std::string("(space)")
                                      : std::string(*s));
        }
        return f + "\n";
    };
    std::string tabla;
    for (int desde = 0, hasta; desde < 256; desde = hasta + 1) {
        for (hasta = desde; hasta < 255 && fila(hasta + 1) == fila(desde); ++hasta) {
        }
        char bytes[8];
        std::snprintf(bytes, sizeof bytes, hasta == desde ? "%02X" : "%02X-%02X", desde, hasta);
        tabla += bytes + fila(desde);
    }
    pruebas::CompararConReferencia("gsm7-cp1252.txt", tabla);
}

// GSM-7 stays; each of the other bytes takes its substitute from the reference table, and what
// has none is named once (over every byte and both tables: the first pass and the SMS fuzzer).
TEST(AdaptarGSM, SoloCambiaLoQueFuerzaUcs2) {
    std::string texto = "“Hola” ¶1\xA0½\xAD€ ¶ «x» Œ\t";
    EXPECT_EQ(AdaptarGSM(texto, TablaGsm::Basica), "¶");
    EXPECT_EQ(texto, "\"Hola\" ¶1 1/2€ ¶ \"x\" OE ");
}

// The split adapts in its first pass when no rules come between: the same text as after it.
TEST(AdaptarGSM, EnLaPasadaDeLasLetrasComoDespues) {
    std::string todos = "a\r\nb\rc\n\t";
    for (int byte = 1; byte < 256; ++byte) {
        todos += static_cast<char>(byte);
    }
    for (const TablaGsm tabla : {TablaGsm::Basica, TablaGsm::Espanola}) {
        for (int k = 0; k < 6; ++k) {
            std::string antes = todos, junto = todos;
            PrepararCaracteres(antes, k % 2 != 0, static_cast<CasoLetras>(k / 2));
            AdaptarGSM(antes, tabla);
            PrepararCaracteresGsm(junto, k % 2 != 0, static_cast<CasoLetras>(k / 2), tabla);
            EXPECT_EQ(junto, antes) << k;
        }
    }
}

}  // namespace
}  // namespace rebanex
