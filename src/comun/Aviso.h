// A message box as data: what the program wants to tell or ask the user.
// The window shows it with MessageBoxA; the console tool prints it.
#pragma once

#include <string>

namespace rebanex {

enum class Icono { Exclamacion, Pregunta, Informacion };
enum class Botones { Aceptar, SiNo };
enum class Respuesta { Aceptar, Si, No };

struct Aviso {
    std::string texto;  // line breaks are lone CRs, as the box shows them
    std::string titulo;
    Icono icono = Icono::Exclamacion;
    Botones botones = Botones::Aceptar;

    bool operator==(const Aviso&) const = default;
};

// Whoever can put a message box in front of the user.
class Avisador {
  public:
    virtual ~Avisador() = default;
    virtual Respuesta Avisar(const Aviso& aviso) = 0;
};

}  // namespace rebanex
