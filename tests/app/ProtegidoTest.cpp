// The boundary of the window procedures: nothing gets through, the user is told, the caller
// goes on with a neutral result.
#include "app/Protegido.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

namespace rebanex {
namespace {

TEST(Protegido, DejaPasarElResultadoYParaLasExcepcionesConSuAviso) {
    std::string avisado;
    const auto avisar = [&](const std::exception_ptr& e) { avisado = AvisoDeFallo(e).texto; };

    EXPECT_EQ(Protegido([] { return 7L; }, avisar), 7L);
    EXPECT_EQ(avisado, "");

    EXPECT_EQ(Protegido([]() -> long { throw std::bad_alloc(); }, avisar), 0L);
    EXPECT_EQ(avisado,
              "No hay memoria suficiente para terminar la operación. El mensaje sigue intacto.");

    Protegido([] { throw std::runtime_error("x"); }, avisar);
    EXPECT_EQ(avisado, "No se ha podido terminar la operación. El mensaje sigue intacto.");

    // What the report itself throws is dropped: the boundary still holds.
    EXPECT_EQ(Protegido([]() -> int { throw 1; },
                        [](const std::exception_ptr&) { throw std::bad_alloc(); }),
              0);

    const Aviso aviso = AvisoDeFallo(std::make_exception_ptr(std::bad_alloc()));
    EXPECT_EQ(aviso.titulo, "Rebanex");
    EXPECT_EQ(aviso.icono, Icono::Exclamacion);
    EXPECT_EQ(aviso.botones, Botones::Aceptar);
}

}  // namespace
}  // namespace rebanex
