// The transforms of the working text, each over its own small table.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
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

}  // namespace
}  // namespace rebanex
