#include "comun/FechaVersion.h"

#include <gtest/gtest.h>

namespace rebanex {
namespace {

TEST(FechaVersion, LaMismaFechaEnLosDosOrdenes) {
    EXPECT_EQ(FechaTitulo(), "01/01/2002");
    EXPECT_EQ(FechaActualizacion(), "2002/01/01");
    EXPECT_EQ(FechaTitulo({31, 12, 2003}), "31/12/2003");
    EXPECT_EQ(FechaActualizacion({9, 10, 2003}), "2003/10/09");
}

}  // namespace
}  // namespace rebanex
