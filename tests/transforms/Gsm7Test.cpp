// The GSM-7 cost of every Windows-1252 byte against the reference table, and the adaptation
// that replaces only what forces UCS-2.
#include "transforms/Gsm7.h"

#include <gtest/gtest.h>

#include <numeric>

#include "comun/Referencia.h"
#include "split/Sms.h"

namespace rebanex {
namespace {

TEST(Gsm7, CosteYSustitutoDeCadaByte) {
    const auto coste = [](int septetos) {
        return septetos == 0 ? std::string("UCS-2") : std::to_string(septetos);
    };
    std::string tabla;
    for (int byte = 0; byte < 256; ++byte) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        tabla += hex + ("\t" + coste(Costes(TablaGsm::Basica)[byte])) + "\t" +
                 coste(Costes(TablaGsm::Espanola)[byte]);
        if (Costes(TablaGsm::Basica)[byte] == 0) {
            const auto s = SustitutoGsm(static_cast<unsigned char>(byte));
            tabla += "\t" + (!s           ? std::string("(none)")
                             : s->empty() ? std::string("(drop)")
                             : *s == " "  ? std::string("(space)")
                                          : std::string(*s));
        }
        tabla += "\n";
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
    const std::tuple<TablaGsm, std::string, std::string, std::string> casos[] = {
        {TablaGsm::Basica, "“Hola” – ¿qué tal? … José", "\"Hola\" - ¿qué tal? ... José", ""},
        {TablaGsm::Basica, "Ángel, ÈRES Ç ç ñÑüÜ¡ éèàìòù", "Angel, ERES Ç c ñÑüÜ¡ éèàìòù", ""},
        {TablaGsm::Espanola, "Ángel canción ç Ò", "Ángel canción ç O", ""},
        {TablaGsm::Basica, "¶1\xA0½\xAD€ ¶ «x» Œ\t", "¶1 1/2€ ¶ \"x\" OE ", "¶"},
    };
    for (const auto& [tabla, antes, despues, quedan] : casos) {
        std::string texto = antes;
        EXPECT_EQ(AdaptarGSM(texto, tabla), quedan) << antes;
        EXPECT_EQ(texto, despues);
        EXPECT_EQ(ContarSms(texto, tabla).codificacion,
                  quedan.empty() ? Codificacion::Gsm7 : Codificacion::Ucs2);
    }
}

}  // namespace
}  // namespace rebanex
