// What the program asks of the shell and the system: opening documents and links, finding the
// program that opens a file or edits text, starting a program, downloading a file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace rebanex {

// How an opened program's window shows: restored and activated, or as it is.
enum class Mostrar : uint8_t { Normal, TalCual };

class Shell {
  public:
    virtual ~Shell() = default;
    // ShellExecuteA with the verb "open", owner the main window; "" for no parameters or no
    // working directory. True when the shell reports success.
    virtual bool Abrir(const std::string& fichero, const std::string& parametros,
                       const std::string& directorio, Mostrar mostrar) = 0;
    // FindExecutableA without a directory: the program's path as the shell gives it, or
    // nothing when it finds none.
    virtual std::optional<std::string> BuscarEjecutable(const std::string& fichero) = 0;
    // CreateProcessA of the program at `programa` (a full path, which names it alone even with
    // spaces in it) with that command line as it is, in a normal window with the focus; not
    // awaited.
    virtual bool Ejecutar(const std::string& programa, const std::string& lineaComandos) = 0;
    // The full path of the program that edits .txt files: the one associated with ".txt",
    // else the system's Notepad.
    virtual std::string EditorDeTexto() = 0;
    // URLDownloadToFileA: true when it returned 0.
    virtual bool Descargar(const std::string& url, const std::string& destino) = 0;
    // GetModuleFileNameA: the running executable's full path.
    virtual std::string RutaEjecutable() = 0;
};

}  // namespace rebanex
