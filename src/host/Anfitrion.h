// What the window asks of Mensatel, the SMS-sending program it serves.
#pragma once

#include <optional>
#include <string>

namespace rebanex {

enum class ResultadoPegar {
    Pegado,               // also when the clipboard could not be given back: its box was shown
    SinMensatel,          // "dorvax.exe" is missing: its box was shown; counts as done
    Rechazado,            // longer than Mensatel's limit: its box was shown
    SinVentana,           // the main window did not appear in time, or Escape ended the wait
    CampoLleno,           // Mensatel's message field would not empty, or it hung while emptied
    NoResponde,           // Mensatel does not answer: its box was shown
    PortapapelesOcupado,  // another program kept the clipboard: its box was shown
    Ocupado,              // another call is still waiting for Mensatel: refused quietly
};

// Whether the copy command goes on to the next piece.
inline bool PasaAlSiguiente(ResultadoPegar r) {
    return r == ResultadoPegar::Pegado || r == ResultadoPegar::SinMensatel;
}

class Anfitrion {
  public:
    virtual ~Anfitrion() = default;
    // Pastes a piece into Mensatel's message field.
    virtual ResultadoPegar Pegar(const std::string& trozo) = 0;
    // Mensatel's size limit as the text for LongMax ("145"); nullopt leaves LongMax as it is.
    virtual std::optional<std::string> LeerLongitudMaxima() = 0;
    // Brings Mensatel to the front, or starts it.
    virtual void Mostrar() = 0;
    // Starts another Mensatel, even when one runs.
    virtual void Ejecutar() = 0;
    // True while a call above waits for Mensatel; Cancelar ends that wait (Escape).
    virtual bool Ocupado() const = 0;
    virtual void Cancelar() = 0;
};

}  // namespace rebanex
