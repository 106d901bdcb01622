// The common open-file dialog, over the main window.
#pragma once

#include <cstdint>
#include <string>

namespace rebanex {

class Dialogos {
  public:
    virtual ~Dialogos() = default;
    // GetOpenFileNameA. `filtro` is already in the dialog's form (FiltroDialogo): pairs of
    // NUL-ended texts, the list ended by a second NUL. The flags are OR'd with
    // kFlagsAbrirFichero. The chosen full path as the dialog wrote it, or "" when the user
    // cancelled or the dialog failed.
    virtual std::string AbrirFichero(const std::string& filtro, const std::string& titulo,
                                     const std::string& directorioInicial,
                                     std::uint32_t flagsExtra) = 0;
};

// OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_EXPLORER | OFN_LONGNAMES
inline constexpr std::uint32_t kFlagsAbrirFichero = 0x281004;

class DialogosAusentes : public Dialogos {
  public:
    std::string AbrirFichero(const std::string&, const std::string&, const std::string&,
                             std::uint32_t) override {
        return {};
    }
};

}  // namespace rebanex
