// The transforms of the working text, each over its own small table; the GSM-7 cost of every
// byte against the reference table, and adapting to GSM-7. Then the rules file: its kinds of line
// and its boxes, the engine against the rule-by-rule one (which checks chains of rules, empty
// search texts, line ends and the answers to the boxes).
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "comun/Referencia.h"
#include "sistema/SistemaSimulado.h"
#include "split/Sms.h"
#include "transforms/Buscar.h"
#include "transforms/Caracteres.h"
#include "transforms/FiltroReglas.h"
#include "transforms/Firma.h"
#include "transforms/Gsm7.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"
#include "transforms/Regla.h"
#include "transforms/ReglasUnaAUna.h"
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

std::string Aplicar(std::string texto, const std::string& reglas, Avisador& avisador) {
    EXPECT_EQ(AplicarReemplazos(texto, reglas, "R.txt", avisador, SIZE_MAX),
              FinReemplazos::Terminado);
    return texto;
}

TEST(Reglas, ClasesDeLineaEnOrdenYLineasRaras) {
    pruebas::AvisadorSimulado avisador;
    // The default file, written when the user has none, byte for byte (CR LF, Windows-1252).
    pruebas::CompararConReferencia("Rebanex.txt", TextoReemplazosPorDefecto());
    EXPECT_EQ(Aplicar("Porque que QUE por dedos adosados dosmil DOS mas+menos mas-menos Ej.",
                      TextoReemplazosPorDefecto(), avisador),
              "XP q Q x de2 a2a2 2mil DOS mas+menos +-- Ej.");  // comments are no rules
    EXPECT_EQ(Aplicar("dedo saca dosmil a que z",
                      ";que\tcomentario\r\n#de\td\r\n%ca\tk\r\n*dos\t2\r\na\tb\tc\r\nque\t\r\n",
                      avisador),
              "ddo sak 2mil b\tc  z");
    // A lone LF belongs to the line (CR and CR LF end it).
    EXPECT_EQ(Aplicar("que mas", "que\tq\nmas\t+\r\n", avisador), "q\nmas\t+ mas");
    EXPECT_TRUE(avisador.avisos.empty());
    // Faulty lines ask whether to go on.
    EXPECT_EQ(Aplicar("que", ";comentario\r\n\r\nsin tabulador\r\n\tx\r\nque\tq\r\n", avisador),
              "q");
    EXPECT_EQ(avisador.avisos,
              (std::vector<Aviso>{AvisoLineaRara(2, "R.txt"), AvisoLineaRara(3, "R.txt"),
                                  AvisoLineaRara(4, "R.txt")}));
}

// Lengthening rules stop at the limit, inside a rule or between rules; what fits is done whole.
TEST(Reglas, LasQueAlarganParanEnElLimite) {
    std::string doblan, palabras;
    for (int i = 0; i < 40; ++i) {
        doblan += "*a\taa\r\n", palabras += "%a\ta a\r\n#a\ta a\r\n";
    }
    const std::string mil(1000, 'a'), diez = "*a\txxxxxxxxxx";
    const std::tuple<std::string, std::string, std::size_t, std::optional<std::string>> casos[] = {
        {mil, doblan, 32767 * 12, std::nullopt},
        {"a b a", palabras, 4096, std::nullopt},
        {"aaaa", diez, 39, std::nullopt},  // within the one rule
        {"aaaa", diez, 40, std::string(40, 'x')},
        {mil, "*aa\ta\r\nb\tc", 10, std::string(500, 'a')}};  // shrinking is always fine
    for (const auto& [antes, reglas, limite, despues] : casos) {
        pruebas::AvisadorSimulado avisador;
        std::string texto = antes;
        const FinReemplazos fin = AplicarReemplazos(texto, reglas, "R.txt", avisador, limite);
        EXPECT_EQ(fin, despues ? FinReemplazos::Terminado : FinReemplazos::Limite) << limite;
        EXPECT_EQ(texto, despues.value_or(texto)) << limite;
        EXPECT_LE(texto.size(), std::max(limite, antes.size()));
    }
    // A limit that stops a rule leaves the text as the rules before it left it.
    pruebas::AvisadorSimulado avisador;
    for (const auto& [limite, fin, esperado] :
         {std::tuple{16u, FinReemplazos::Terminado, "aaaaaaaaaaaaaaaa"},
          {15u, FinReemplazos::Limite, "aaaaaaaa"},
          {3u, FinReemplazos::Limite, "aa"}}) {
        std::string texto = "aa";
        EXPECT_EQ(AplicarReemplazos(texto, "*a\taa\r*b\tc\r*a\taa\r*a\taa", "", avisador, limite),
                  fin);
        EXPECT_EQ(texto, esperado) << limite;
    }
}

// Random colliding rules, few and many: the same text as the rules applied one by one.
TEST(Reglas, LasMismasQueUnaAUna) {
    std::mt19937 azar(16);
    const auto dado = [&](int hasta) { return std::uniform_int_distribution<int>(0, hasta)(azar); };
    for (int caso = 0; caso < 3000; ++caso) {
        const bool raros = caso % 8 == 0;  // any characters: more than the filter tells apart
        const auto cadena = [&](int maximo) {
            std::string s(dado(maximo), ' ');
            for (char& c : s) {
                c = raros ? static_cast<char>(' ' + dado(223)) : "aAbB -áÁ"[dado(7)];
            }
            return s;
        };
        std::string reglas, texto;  // the text holds some search texts, long ones too
        for (int n = caso % 2 ? dado(12) : 16 + dado(24); n > 0; --n) {
            static constexpr const char* kMarcas[] = {"", "", "#", "%", "*", ";"};
            const std::string buscar = cadena(dado(7) ? 3 : 11);
            reglas += kMarcas[dado(5)] + buscar + (dado(15) ? "\t" : "") + cadena(5) +
                      (dado(3) ? "\r\n" : "\r");
            texto += cadena(2) + (dado(2) ? buscar : "");
        }
        while (caso % 16 == 3 && texto.size() < 1100) {  // long enough to be cut in stretches
            texto += " " + texto;
        }
        pruebas::AvisadorSimulado avisador, antes;
        avisador.respuesta = antes.respuesta = dado(4) ? Respuesta::Si : Respuesta::No;
        std::string esperado = texto, real = texto;
        pruebas::AplicarReglasUnaAUna(esperado, reglas, antes);
        const std::size_t limite = dado(1) ? kSinLimite : texto.size() + dado(60);
        if (AplicarReemplazos(real, reglas, "", avisador, limite) == FinReemplazos::Terminado) {
            ASSERT_EQ(real, esperado) << "'" << texto << "' with\n" << reglas;
            ASSERT_EQ(avisador.avisos, antes.avisos);
        }
    }
}

// The filter finds a search text anywhere, across its stretches and word boundaries.
TEST(Reglas, ElFiltroVeCadaReglaQuePuedeCambiarAlgo) {
    using enum Regla::Clase;
    const std::vector<Regla> reglas = {
        {Exacta, "abcdefgh", ""}, {Prefijo, "AB", ""}, {Sufijo, "gh", ""}, {Palabra, "gh", ""}};
    const FiltroReglas filtro(reglas);
    for (const std::size_t largo : {8, 1100, 1101, 1102, 1103}) {
        for (std::size_t en = 0; en + 8 <= largo; ++en) {
            std::string texto(largo, '.');
            texto.replace(en, 8, "abcdefgh");
            std::vector<char> posibles(reglas.size(), 0);
            filtro.Marcar(texto, true, true, posibles);
            ASSERT_EQ(posibles, std::vector<char>({1, 1, 1, 0})) << largo << " " << en;
        }
    }
}

}  // namespace
}  // namespace rebanex
