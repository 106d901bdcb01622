// What trocear does when its output cannot be written or memory runs out.
#include <new>
#include <sstream>
#include <streambuf>

#include <gtest/gtest.h>

#include "cli/Trocear.h"

namespace rebanex::consola {
namespace {

// A sink that takes nothing (a full disk), or that runs out of memory on the first write.
class SalidaRota : public std::streambuf {
  public:
    explicit SalidaRota(bool sinMemoria) : sinMemoria_(sinMemoria) {}

  protected:
    int_type overflow(int_type) override {
        if (sinMemoria_) {
            throw std::bad_alloc();
        }
        return traits_type::eof();
    }
    std::streamsize xsputn(const char*, std::streamsize) override {
        overflow(0);
        return 0;
    }

  private:
    bool sinMemoria_;
};

struct Caso {
    std::vector<std::string> args;
    bool sinMemoria;
    int codigo;
    std::string error;
};

TEST(TrocearFallos, SalidaQueNoSeEscribeOMemoriaQueFalta) {
    const Caso casos[] = {
        {{}, false, kSalidaEscritura, "trocear: no se puede escribir la salida\n"},
        {{"--contar"}, false, kSalidaEscritura, "trocear: no se puede escribir la salida\n"},
        {{}, true, kSalidaExcepcion, "trocear: no hay memoria suficiente para este mensaje\n"},
    };
    for (const Caso& c : casos) {
        SalidaRota rota(c.sinMemoria);
        std::ostream salida(&rota);
        // A stream that passes its buffer's exceptions on, as an allocation deep inside would.
        salida.exceptions(c.sinMemoria ? std::ios::badbit : std::ios::goodbit);
        std::istringstream entrada("hola mundo");
        std::ostringstream error;
        EXPECT_EQ(EjecutarTrocear(c.args, entrada, salida, error), c.codigo);
        EXPECT_EQ(error.str(), c.error);
    }
}

}  // namespace
}  // namespace rebanex::consola
