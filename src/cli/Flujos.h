// Where trocear's bytes go and where its standard input comes from: the process's own
// streams through the C runtime, or strings in the tests. No iostreams: in a statically
// linked .exe they alone weighed more than half a megabyte.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace rebanex::cli {

class Destino {
  public:
    virtual ~Destino() = default;
    // Appends the bytes. A failure is kept, and told by Terminar.
    virtual void Escribir(std::string_view bytes) = 0;
    // Pushes out what is held; false when something written so far did not get out whole.
    virtual bool Terminar() = 0;
};

class Origen {
  public:
    virtual ~Origen() = default;
    // Every byte; nullopt on a read error.
    virtual std::optional<std::string> LeerTodo() = 0;
};

// An open C stream (stdout, stderr), written as it is: trocear gathers its large output itself.
class DestinoFichero : public Destino {
  public:
    explicit DestinoFichero(std::FILE* f) : f_(f) {}
    void Escribir(std::string_view bytes) override;
    bool Terminar() override;

  private:
    std::FILE* f_;
    bool entero_ = true;
};

// The process's standard input.
class EntradaEstandar : public Origen {
  public:
    std::optional<std::string> LeerTodo() override;
};

}  // namespace rebanex::cli
