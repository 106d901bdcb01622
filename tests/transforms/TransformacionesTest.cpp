// The transforms of the working text, each over its own small table.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/Firma.h"
#include "transforms/Reemplazar.h"
#include "transforms/Reemplazos.h"

namespace rebanex::Troceado {
namespace {

template <typename... Mas>
std::string Con(void (*transformar)(std::string&, Mas...), std::string texto,
                std::type_identity_t<Mas>... mas) {
    transformar(texto, mas...);
    return texto;
}

TEST(Caracteres, AcentosLetrasEspaciosYSaltos) {
    std::string todos(256, '\0');
    std::iota(todos.begin(), todos.end(), '\0');
    // Exactly the twenty accented vowels change (not ü, not ñ).
    EXPECT_EQ(Con(QuitarAcentos, "áéíóúàèìòù ÁÉÍÓÚÀÈÌÒÙ üñ"), "aeiouaeiou AEIOUAEIOU üñ");
    const std::string sin = Con(QuitarAcentos, todos);
    EXPECT_EQ(std::transform_reduce(todos.begin(), todos.end(), sin.begin(), 0, std::plus<>(),
                                    std::not_equal_to<>()),
              20);
    // Case in pairs of Windows-1252; each change undone by the other, so the tables agree.
    const std::string minusculas = "abcšœžÿàáæçðñòöøùüýþ", mayusculas = "ABCŠŒŽŸÀÁÆÇÐÑÒÖØÙÜÝÞ";
    EXPECT_EQ(Con(CambiarLetras, minusculas, true), mayusculas);
    EXPECT_EQ(Con(CambiarLetras, mayusculas, false), minusculas);
    EXPECT_EQ(Con(CambiarLetras, std::string("ßµªº÷×0!¿€"), true), "ßµªº÷×0!¿€");
    const std::string arriba = Con(CambiarLetras, todos, true),
                      abajo = Con(CambiarLetras, todos, false);
    EXPECT_EQ(Con(CambiarLetras, abajo, true) + Con(CambiarLetras, arriba, false), arriba + abajo);
    // Runs of code 32 only; tabs and CR LF pairs become spaces, lone CR and LF stay.
    EXPECT_EQ(Con(QuitarMultiEspacios, "  a    b\t  \r\n c"), " a b\t \r\n c");
    EXPECT_EQ(Con(QuitarSaltos, "hola\r\nque\ttal a\rb\nc\n\rd\r\r\n"),
              "hola que tal a\rb\nc\n\rd\r ");
}

// The passes that take sixteen bytes at a time give what a byte at a time gives, across the
// ends of the blocks and in the bytes left after the last one.
TEST(Caracteres, PorBloquesComoByteAByte) {
    constexpr std::string_view kLetras = "aQ  \r\n\tÁéšŠÿŸ";
    std::mt19937 azar(16);
    for (int caso = 0; caso < 400; ++caso) {
        std::string texto(azar() % 90, ' ');
        for (char& c : texto) {
            c = kLetras[azar() % kLetras.size()];
        }
        std::string saltos, espacios;  // the obvious way
        for (std::size_t i = 0; i < texto.size(); ++i) {
            const bool crlf = texto.compare(i, 2, "\r\n") == 0;
            saltos += texto[i] == '\t' || crlf ? ' ' : texto[i];
            i += crlf ? 1 : 0;
        }
        for (const char c : texto) {
            if (c != ' ' || espacios.empty() || espacios.back() != ' ') {
                espacios += c;
            }
        }
        EXPECT_EQ(Con(QuitarMultiEspacios, texto), espacios) << texto;
        for (const int letras : {1, 2, 3}) {
            std::string esperado = Con(QuitarAcentos, saltos);
            if (letras > 1) {
                CambiarLetras(esperado, letras == 3);
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

TEST(Firma, DelanteDetrasYEnElCursor) {
    const std::tuple<std::string, int, long long, std::string> casos[] = {
        {"hola", 1, 0, "Ana hola"}, {"", 2, 0, " Ana"},        {"hola ", 2, 0, "hola  Ana"},
        {"hola", 3, 2, "hoAnala"},  {"hola", 3, 9, "holaAna"}, {"hola", 3, -3, "Anahola"},
        {"hola", 0, 1, "hAnaola"}};  // the caret may lie past a text the transforms shortened
    for (const auto& [texto, posicion, cursor, esperado] : casos) {
        EXPECT_EQ(Con(InsertarFirmaEnPosicion, texto, "Ana", posicion, cursor), esperado)
            << posicion << " " << cursor;
    }
    std::string texto = "hola";
    InsertarFirma(texto, texto, 2);  // a signature that views the text itself
    EXPECT_EQ(texto, "hola hola");
}

TEST(ReemplazarPalabra, SeparadoresYTabla) {
    const std::string separadores = " .,:!¡\"&%$/\\*#?¿(){}[]<>_-";
    for (int c = 0; c < 256; ++c) {
        const std::string uno(1, static_cast<char>(c));
        EXPECT_EQ(EsSeparador(uno, 1), separadores.find(uno) != std::string::npos) << c;
    }
    EXPECT_TRUE(EsSeparador("abc", 0) && EsSeparador("abc", 4) && !EsSeparador("abc", 3));
    const std::tuple<int32_t, const char*, const char*, const char*, const char*> casos[] = {
        // Whole words, any case; capitals when the occurrence starts with one.
        {PalabraCompleta, "que", "q", "que Que QUE qUE", "q Q Q q"},
        {PalabraCompleta, "que", "q", "queso porquería ¿que? que;", "queso porquería ¿q? que;"},
        {PalabraCompleta, "árbol", "arb", "ÁRBOL árbol", "ARB arb"},
        {PalabraCompleta, "1a", "uno", "1A", "uno"},            // a digit is never a capital
        {PalabraCompleta, "que", "que que", "que", "que que"},  // not searched again
        {PalabraCompleta, "aa", "b", "aaa aa", "aaa b"},  // a failed candidate moves on by one
        {Prefijo, "de", "d", "dedo de cadena De-de", "ddo d cadena D-d"},
        {Sufijo, "ca", "k", "saca Saca SACA cable", "sak Sak SAK cable"},
        // The word test looks at the text as this rule has already changed it.
        {Prefijo, "a", "-", "aa", "--"},
        {PalabraCompleta, "", "x", "a b", "a b"},
        {3, "a", "x", "a b", "a b"},  // a kind that never qualifies
    };
    for (const auto& [tipo, buscar, reemplazo, texto, esperado] : casos) {
        std::string t = texto;
        ReemplazarPalabra(tipo, t, buscar, reemplazo);
        EXPECT_EQ(t, esperado) << tipo << " " << buscar << " en " << texto;
    }
}

// The rule done the obvious way, rebuilding the whole text at every match (with the same
// hold on the adjustment); the real one must agree without the rebuilds.
std::string ReemplazoPasoAPaso(std::string texto, const std::string& buscar,
                               const std::string& sustituto, int ajuste) {
    for (long long desde = 0;;) {
        const std::size_t p = texto.find(buscar, static_cast<std::size_t>(desde));
        if (p == std::string::npos) {
            return texto;
        }
        texto = texto.substr(0, p) + sustituto + texto.substr(p + buscar.size());
        const auto fin = static_cast<long long>(p + sustituto.size());
        desde = std::max({fin + ajuste, fin - static_cast<long long>(buscar.size()) + 1, 0LL});
    }
}

TEST(ReemplazarTodo, CoincideConLaReconstruccionPasoAPaso) {
    std::mt19937 azar(20020101);
    const auto dado = [&](int hasta) { return std::uniform_int_distribution<int>(0, hasta)(azar); };
    const auto cadena = [&](int maximo) {
        std::string s(dado(maximo), ' ');
        for (char& c : s) {
            c = "ab "[dado(2)];
        }
        return s;
    };
    for (int i = 0; i < 3000; ++i) {
        const std::string texto = cadena(20), buscar = "a" + cadena(2), sustituto = cadena(4);
        const int ajuste = dado(6) - 4;
        std::string real = texto;
        ReemplazarTodo(real, buscar, sustituto, static_cast<int16_t>(ajuste));
        ASSERT_EQ(real, ReemplazoPasoAPaso(texto, buscar, sustituto, ajuste))
            << "'" << texto << "' '" << buscar << "' '" << sustituto << "' " << ajuste;
    }
    // Extreme adjustments, no search text, arguments viewing the text itself, a long text
    // (a rebuild per match would copy it some 200 000 times).
    EXPECT_EQ(Con(ReemplazarTodo, std::string("aaa"), "a", "b", int16_t{32767}), "baa");
    EXPECT_EQ(Con(ReemplazarTodo, std::string("a      b"), "  ", " ", int16_t{-32768}), "a b");
    EXPECT_EQ(Con(Reemplazar, std::string("abc"), "", "x"), "abc");
    std::string texto = "abcabc";
    const std::string_view vista(texto);
    Reemplazar(texto, vista.substr(0, 1), vista.substr(1, 2));
    EXPECT_EQ(texto, "bcbcbcbc");
    EXPECT_EQ(Con(ReemplazarTodo, std::string(400000, ' '), "  ", " ", int16_t{-1}), " ");
}

}  // namespace
}  // namespace rebanex::Troceado
