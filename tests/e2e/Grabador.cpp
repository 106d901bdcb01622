// A stand-in for the programs Rebanex starts (an editor, a browser, the updater), for the
// end-to-end tests: copied under the name it stands for, it appends its command line and a
// CR LF to a file beside itself named like it, with ".txt" for ".exe", and ends at once.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char ruta[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, ruta, MAX_PATH);
    std::string registro(ruta);
    registro = registro.substr(0, registro.find_last_of('.')) + ".txt";
    std::ofstream(registro, std::ios::binary | std::ios::app) << GetCommandLineA() << "\r\n";
    return 0;
}
