// The boundary of the window procedures: nothing gets through, the user is told, the caller
// goes on with a neutral result.
#include "app/Protegido.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace rebanex {
namespace {

TEST(Protegido, DejaPasarElResultadoYParaLasExcepcionesConSuAviso) {
    std::vector<Aviso> avisos;
    const auto avisar = [&](const std::exception_ptr& e) { avisos.push_back(AvisoDeFallo(e)); };
    const auto fallo = std::make_exception_ptr(std::runtime_error("x"));
    EXPECT_EQ(Protegido([] { return 7L; }, avisar), 7L);
    EXPECT_EQ(Protegido([&]() -> long { std::rethrow_exception(fallo); }, avisar), 0L);
    EXPECT_EQ(avisos, std::vector<Aviso>{AvisoDeFallo(fallo)});
    // What the report itself throws is dropped: the boundary still holds.
    EXPECT_EQ(Protegido([]() -> int { throw 1; }, [](const std::exception_ptr&) { throw 2; }), 0);
}

}  // namespace
}  // namespace rebanex
