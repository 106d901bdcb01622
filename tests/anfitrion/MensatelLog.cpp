// MensatelLog.exe: a stand-in for the host's log viewer, for the end-to-end tests. It appends
// how it was started to "MensatelLog.txt" beside itself (its command line, then its current
// directory, each line ending in CR LF) and ends at once.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char ruta[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, ruta, MAX_PATH);
    std::string registro(ruta);
    registro = registro.substr(0, registro.find_last_of('\\') + 1) + "MensatelLog.txt";
    char actual[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, actual);
    std::ofstream salida(registro, std::ios::binary | std::ios::app);
    salida << GetCommandLineA() << "\r\n" << actual << "\r\n";
    return 0;
}
