// The GSM-7 cost of every byte against the reference table, and adapting to GSM-7.
#include "transforms/Gsm7.h"

#include <gtest/gtest.h>

#include "comun/Referencia.h"
#include "split/Sms.h"
#include "transforms/Caracteres.h"

namespace rebanex {
namespace {

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

TEST(AdaptarGSM, SoloCambiaLoQueFuerzaUcs2) {
    for (const TablaGsm tabla : {TablaGsm::Basica, TablaGsm::Espanola}) {
        for (int byte = 0; byte < 256; ++byte) {
            const std::string solo(1, static_cast<char>(byte));
            std::string texto = solo;
            const std::string quedan = AdaptarGSM(texto, tabla);
            const auto sustituto = SustitutoGsm(static_cast<unsigned char>(byte));
            if (Costes(tabla)[byte] != 0 || !sustituto) {
                EXPECT_EQ(texto, solo) << byte;  // GSM-7, or nothing sensible to put instead
                EXPECT_EQ(quedan, Costes(tabla)[byte] != 0 ? "" : solo) << byte;
            } else {
                EXPECT_EQ(texto, *sustituto) << byte;
                EXPECT_EQ(ContarSms(texto, tabla).codificacion, Codificacion::Gsm7) << byte;
            }
        }
    }
    // A whole text: what has no substitute is named once.
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
