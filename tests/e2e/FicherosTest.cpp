// Message files, the command line, rules files and their list, help, links, the log viewer and
// updates, through the real Rebanex.exe and the system's own dialog, shell and downloads.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "e2e/Conduccion.h"
#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "files/Direcciones.h"
#include "transforms/Reemplazos.h"

namespace rebanex::e2e {
namespace {

using enum Control;

void Escribir(const std::string& ruta, const std::string& bytes) {
    std::ofstream(ruta, std::ios::binary) << bytes;
}

bool Existe(const std::string& ruta) {
    return GetFileAttributesA(ruta.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Lines of 98 letters and CR LF, then letters up to `bytes` in all: the edit control takes long
// lines slowly. A loaded message keeps no line break at its end, and this text has none.
std::string Lineas(std::size_t bytes) {
    std::string texto;
    while (texto.size() + 100 < bytes) {
        texto += std::string(98, static_cast<char>('a' + texto.size() / 100 % 26)) + "\r\n";
    }
    return texto + std::string(bytes - texto.size(), 'z');
}

std::string IniLeer(const std::string& ini, const char* seccion, const std::string& clave) {
    char valor[512] = {};
    GetPrivateProfileStringA(seccion, clave.c_str(), "<falta>", valor, sizeof(valor), ini.c_str());
    return valor;
}

// The arguments of a recorded command line: what follows the program's name.
std::string Argumentos(std::string linea) {
    while (!linea.empty() && (linea.back() == '\r' || linea.back() == '\n')) {
        linea.pop_back();
    }
    std::size_t fin = linea.front() == '"' ? linea.find('"', 1) + 1 : linea.find(' ');
    fin = std::min(fin, linea.size());
    return linea.substr(std::min(linea.find_first_not_of(' ', fin), linea.size()));
}

// Deletes every file of the folder; false while some cannot go (a program still ending).
bool Vaciar(const std::string& carpeta) {
    bool vacia = true;
    WIN32_FIND_DATAA datos{};
    HANDLE busqueda = FindFirstFileA((carpeta + "\\*").c_str(), &datos);
    if (busqueda != INVALID_HANDLE_VALUE) {
        do {
            if ((datos.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                vacia = DeleteFileA((carpeta + "\\" + datos.cFileName).c_str()) && vacia;
            }
        } while (FindNextFileA(busqueda, &datos));
        FindClose(busqueda);
    }
    return vacia;
}

// The program copied into a folder of its own, so that files can stand beside it; every
// Rebanex started in this scope is that copy. The folder starts empty even when an earlier run
// left it behind, and is emptied once the stand-ins started from it have ended.
class Instalacion {
  public:
    Instalacion() : exe_(carpeta_.Ruta() + "\\Rebanex.exe") {
        Vaciar(carpeta_.Ruta());
        CopyFileA(RutaRebanex().c_str(), exe_.c_str(), FALSE);
        const char* antes = std::getenv("REBANEX_EXE");
        anterior_ = antes == nullptr ? "" : antes;
        _putenv_s("REBANEX_EXE", exe_.c_str());
    }
    ~Instalacion() {
        _putenv_s("REBANEX_EXE", anterior_.c_str());
        Esperar([&] { return Vaciar(carpeta_.Ruta()); });
    }
    Instalacion(const Instalacion&) = delete;
    Instalacion& operator=(const Instalacion&) = delete;

    const std::string& Ruta() const { return carpeta_.Ruta(); }
    std::string Fichero(const std::string& nombre) const { return Ruta() + "\\" + nombre; }
    // A copy of the recording stand-in under that name, beside Rebanex.exe.
    std::string Grabador(const std::string& nombre) const {
        const std::string ruta = Fichero(nombre);
        CopyFileA(RutaWindows(GRABADOR_EXE).c_str(), ruta.c_str(), FALSE);
        return ruta;
    }

  private:
    DirectorioTemporal carpeta_;
    std::string exe_;
    std::string anterior_;
};

// The program the shell opens a file type (".txt") or a protocol ("mailto") with, put back as
// it was afterwards. Without a program the type is known but opens with nothing. The machine's
// own classes: the current user's do not reach the shell of every system.
class Asociacion {
  public:
    Asociacion(const std::string& tipo, const std::string& programa)
        : tipo_(tipo), protocolo_(tipo.front() != '.') {
        tipoAntes_ = Valor(tipo_, "");
        const std::string clase = protocolo_ ? tipo_ : kClase + tipo_;
        orden_ = clase + "\\shell\\open\\command";
        ordenAntes_ = Valor(orden_, "");
        if (!protocolo_) {
            Poner(tipo_, "", clase);
        }
        if (programa.empty()) {
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, orden_.c_str(), nullptr);
        } else {
            Poner(orden_, "", "\"" + programa + "\" \"%1\"");
        }
    }
    ~Asociacion() {
        if (!protocolo_) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, (kClase + tipo_).c_str());
            Reponer(tipo_, tipoAntes_);
        } else {
            Reponer(orden_, ordenAntes_);
        }
    }
    Asociacion(const Asociacion&) = delete;
    Asociacion& operator=(const Asociacion&) = delete;

  private:
    static inline const std::string kClase = "Rebanex.Prueba";

    static std::optional<std::string> Valor(const std::string& clave, const char* nombre) {
        char valor[1024] = {};
        DWORD largo = sizeof(valor);
        if (RegGetValueA(HKEY_CLASSES_ROOT, clave.c_str(), *nombre ? nombre : nullptr,
                         RRF_RT_REG_SZ, nullptr, valor, &largo) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::string(valor);
    }
    static void Poner(const std::string& clave, const char*, const std::string& valor) {
        RegSetKeyValueA(HKEY_CLASSES_ROOT, clave.c_str(), nullptr, REG_SZ, valor.c_str(),
                        static_cast<DWORD>(valor.size() + 1));
    }
    static void Reponer(const std::string& clave, const std::optional<std::string>& antes) {
        if (antes) {
            Poner(clave, "", *antes);
        } else {
            RegDeleteKeyValueA(HKEY_CLASSES_ROOT, clave.c_str(), nullptr);
        }
    }

    std::string tipo_;
    bool protocolo_;
    std::string orden_;
    std::optional<std::string> tipoAntes_;
    std::optional<std::string> ordenAntes_;
};

// A web server on 127.0.0.1 that serves one file at one path, and 404 for anything else.
class ServidorWeb {
  public:
    ServidorWeb(std::string ruta, std::string contenido)
        : ruta_(std::move(ruta)), contenido_(std::move(contenido)) {
        WSADATA datos{};
        WSAStartup(MAKEWORD(2, 2), &datos);
        escucha_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in dir{};
        dir.sin_family = AF_INET;
        dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(escucha_, reinterpret_cast<sockaddr*>(&dir), sizeof(dir));
        int largo = sizeof(dir);
        getsockname(escucha_, reinterpret_cast<sockaddr*>(&dir), &largo);
        puerto_ = ntohs(dir.sin_port);
        listen(escucha_, 4);
        hilo_ = std::thread([this] { Servir(); });
    }
    ~ServidorWeb() {
        closesocket(escucha_);  // ends accept()
        hilo_.join();
        WSACleanup();
    }
    ServidorWeb(const ServidorWeb&) = delete;
    ServidorWeb& operator=(const ServidorWeb&) = delete;

    std::string Raiz() const { return "http://127.0.0.1:" + std::to_string(puerto_) + "/"; }

  private:
    void Servir() {
        for (;;) {
            const SOCKET cliente = accept(escucha_, nullptr, nullptr);
            if (cliente == INVALID_SOCKET) {
                return;
            }
            std::string peticion;
            char bloque[1024];
            int n = 0;
            while (peticion.find("\r\n\r\n") == std::string::npos &&
                   (n = recv(cliente, bloque, sizeof(bloque), 0)) > 0) {
                peticion.append(bloque, static_cast<std::size_t>(n));
            }
            const bool hay = peticion.rfind("GET " + ruta_ + " ", 0) == 0;
            const std::string cuerpo = hay ? contenido_ : "no";
            const std::string respuesta =
                std::string(hay ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
                "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                std::to_string(cuerpo.size()) + "\r\nConnection: close\r\n\r\n" + cuerpo;
            send(cliente, respuesta.data(), static_cast<int>(respuesta.size()), 0);
            shutdown(cliente, SD_SEND);
            while (recv(cliente, bloque, sizeof(bloque), 0) > 0) {
            }
            closesocket(cliente);
        }
    }

    std::string ruta_;
    std::string contenido_;
    SOCKET escucha_ = INVALID_SOCKET;
    int puerto_ = 0;
    std::thread hilo_;
};

// The open dialog with that title: the path typed into its file name box, then confirmed;
// an empty path cancels it.
bool ElegirEnDialogo(Rebanex& app, const std::string& titulo, const std::string& ruta) {
    const std::optional<Caja> dialogo = app.EsperarCaja(titulo);
    if (!dialogo) {
        return false;
    }
    if (ruta.empty()) {
        app.Responder(*dialogo, IDCANCEL);
        return true;
    }
    // The file name box: a combo box (cmb13) with its edit inside, or an edit (edt1).
    HWND nombre = GetDlgItem(dialogo->hwnd, 0x47C);
    if (nombre == nullptr) {
        nombre = GetDlgItem(dialogo->hwnd, 0x480);
    }
    if (HWND dentro = FindWindowExA(nombre, nullptr, "Edit", nullptr); dentro != nullptr) {
        nombre = dentro;
    }
    DWORD_PTR r = 0;
    SendMessageTimeoutA(nombre, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(ruta.c_str()), SMTO_NORMAL,
                        30000, &r);
    app.Responder(*dialogo, IDOK);
    return Esperar([&] { return !IsWindow(dialogo->hwnd); });
}

// The text of the first box with that title on the screen, answered OK; "" when none came.
std::string AtenderCajaSuelta(const std::string& titulo) {
    HWND caja = nullptr;
    if (!Esperar([&] { return (caja = FindWindowA("#32770", titulo.c_str())) != nullptr; })) {
        return {};
    }
    char texto[1024] = {};
    DWORD_PTR r = 0;
    SendMessageTimeoutA(GetDlgItem(caja, 0xFFFF), WM_GETTEXT, sizeof(texto),
                        reinterpret_cast<LPARAM>(texto), SMTO_NORMAL, 30000, &r);
    PostMessageA(caja, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return texto;
}

class FicherosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page of this Wine prefix";
    }

    // The box's title and text once it shows; then it is answered.
    void Atender(Rebanex& app, const std::string& titulo, const std::string& texto,
                 int respuesta = IDOK) {
        const std::optional<Caja> caja = app.EsperarCaja(titulo);
        ASSERT_TRUE(caja) << "no box \"" << titulo << "\"";
        EXPECT_EQ(caja->texto, texto);
        app.Responder(*caja, respuesta);
        EXPECT_TRUE(Esperar([&] { return !IsWindow(caja->hwnd); }));
    }

    DirectorioTemporal directorio_;
};

TEST_F(FicherosTest, CargarMensajeConElDialogo) {
    const std::string dir = directorio_.Ruta();
    Rebanex app(dir);
    ASSERT_NE(app.Ventana(), nullptr);
    app.Escribir(Msg, "previo");
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == "previo"; }));

    struct Caso {
        std::string nombre, contenido;  // an empty name cancels the dialog
        std::string mensaje;            // what the message box holds afterwards
        bool gordo = false;
    };
    const Caso casos[] = {
        {"tel.sms", "hola que tal\r\nadios#TEL#+34600123456@", "hola que tal\r\nadios"},
        {"gordo.sms", Lineas(60001), "hola que tal\r\nadios", true},
        {"justo.sms", Lineas(60000), Lineas(60000)},
        {"utf8.txt", "canci\xC3\xB3n \xC3\xB1 \xE2\x82\xAC", "canci\xF3n \xF1 \x80"},
        {"", "", "canci\xF3n \xF1 \x80"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nombre);
        if (!c.nombre.empty()) {
            Escribir(dir + "\\" + c.nombre, c.contenido);
        }
        app.Elegir(Menu::mnu_archivo_cargar);
        ASSERT_TRUE(ElegirEnDialogo(app, "Cargar Mensaje...",
                                    c.nombre.empty() ? "" : dir + "\\" + c.nombre));
        if (c.gordo) {
            Atender(app, "Bruutoooooo!!!", "Fichero muuuuuuuu gordo :P (Max 50KB)");
        }
        EXPECT_TRUE(Esperar([&] { return app.Texto(Msg) == c.mensaje; }, kPlazoLargo))
            << app.Texto(Msg).substr(0, 80);
    }
}

TEST_F(FicherosTest, LaLineaDeComandosTraeUnTextoOUnFichero) {
    const std::string dir = directorio_.Ruta();
    Escribir(dir + "\\con espacios.sms", "uno#TEL#123@");
    Escribir(dir + "\\relativo.sms", "dos\ntres");
    Escribir(dir + "\\grande.sms", Lineas(70000));
    struct Caso {
        std::string argumentos, mensaje, aviso;
    };
    const Caso casos[] = {
        {"\thola mundo", "hola mundo", ""},  {"\"" + dir + "\\con espacios.sms\"", "uno", ""},
        {"relativo.sms", "dos\r\ntres", ""}, {"falta.sms", "", "Fichero <falta.sms> no encontrado"},
        {"grande.sms", Lineas(70000), ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.argumentos);
        // A missing file is told before the window shows: answered meanwhile.
        std::string aviso;
        std::thread caja([&] {
            if (!c.aviso.empty()) {
                aviso = AtenderCajaSuelta("Rebanex");
            }
        });
        Rebanex app(dir, c.argumentos);
        caja.join();
        ASSERT_NE(app.Ventana(), nullptr);
        EXPECT_EQ(aviso, c.aviso);
        EXPECT_TRUE(Esperar([&] { return app.Texto(Msg) == c.mensaje; }, kPlazoLargo))
            << app.Texto(Msg).substr(0, 80);
        if (c.argumentos.front() == '\t') {  // the cursor after the last character
            DWORD_PTR seleccion = 0;
            SendMessageTimeoutA(app.Hwnd(Msg), EM_GETSEL, 0, 0, SMTO_NORMAL, 30000, &seleccion);
            EXPECT_EQ(LOWORD(seleccion), c.mensaje.size());
            EXPECT_EQ(HIWORD(seleccion), c.mensaje.size());
        }
    }
}

TEST_F(FicherosTest, LaListaDeReemplazosSigueLoElegidoYElTroceoUsaElUltimo) {
    const std::string dir = directorio_.Ruta();
    const std::string ini = dir + "\\Rebanex.ini";
    auto r = [&](int n) { return dir + "\\R" + std::to_string(n) + ".txt"; };
    for (int n = 1; n <= 6; ++n) {
        Escribir(r(n), "mundo\tR" + std::to_string(n) + "\r\n");
    }
    for (int n = 1; n <= 4; ++n) {
        WritePrivateProfileStringA("FicherosReemplazos", std::to_string(n).c_str(), r(n).c_str(),
                                   ini.c_str());
    }
    WritePrivateProfileStringA("FicherosReemplazos", "5", "", ini.c_str());
    WritePrivateProfileStringA("Rebanex", "AutoReemplazar", "1", ini.c_str());
    // No Mensatel beside this Rebanex: the split keeps its size instead of asking for it.
    WritePrivateProfileStringA("Rebanex", "ObtenerTamañoMsg", "0", ini.c_str());
    Rebanex app(dir);
    ASSERT_NE(app.Ventana(), nullptr);

    const auto item = [](int i) {
        return static_cast<Menu>(static_cast<int>(Menu::mnu_reemplazos_fichero1) + i - 1);
    };
    // Rebanex.ini after each step. The captions cannot be read from another process under
    // Wine; each pick below takes its path from the caption, so the menu is checked that way.
    const auto lista = [&](const std::vector<std::string>& esperada) {
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(IniLeer(ini, "FicherosReemplazos", std::to_string(i)), esperada[i - 1]) << i;
        }
    };
    const std::string titulo = "Cargar Archivo de Reemplazos...";

    // The empty entry asks for a file; cancelled, nothing moves.
    app.Elegir(item(5));
    ASSERT_TRUE(ElegirEnDialogo(app, titulo, ""));
    lista({r(1), r(2), r(3), r(4), ""});

    app.Elegir(item(3));
    ASSERT_TRUE(Esperar([&] { return IniLeer(ini, "FicherosReemplazos", "1") == r(3); }));
    lista({r(3), r(1), r(2), r(4), ""});

    app.Elegir(item(2));
    ASSERT_TRUE(Esperar([&] { return IniLeer(ini, "FicherosReemplazos", "1") == r(1); }));
    lista({r(1), r(3), r(2), r(4), ""});

    // Chosen again in other letter case: the entry it was moves up as it is written there.
    std::string mayusculas = r(2);
    CharUpperA(mayusculas.data());
    app.Elegir(Menu::mnu_reemplazos_abrir);
    ASSERT_TRUE(ElegirEnDialogo(app, titulo, mayusculas));
    ASSERT_TRUE(Esperar([&] { return IniLeer(ini, "FicherosReemplazos", "1") == r(2); }));
    lista({r(2), r(1), r(3), r(4), ""});

    for (int n : {5, 6}) {
        app.Elegir(Menu::mnu_reemplazos_abrir);
        ASSERT_TRUE(ElegirEnDialogo(app, titulo, r(n)));
        ASSERT_TRUE(Esperar([&] { return IniLeer(ini, "FicherosReemplazos", "1") == r(n); }));
    }
    lista({r(6), r(5), r(2), r(1), r(3)});

    app.Escribir(Msg, "hola mundo");
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == "hola mundo"; }));
    app.Pulsar(Partir);
    ASSERT_TRUE(Esperar([&] { return app.Visible(Trozo); }, kPlazoLargo));
    EXPECT_NE(app.Texto(Trozo).find("hola R6"), std::string::npos) << app.Texto(Trozo);

    // The last entry of the menu is the one the list dropped to.
    app.Elegir(item(5));
    ASSERT_TRUE(Esperar([&] { return IniLeer(ini, "FicherosReemplazos", "1") == r(3); }));
    lista({r(3), r(6), r(5), r(2), r(1)});
}

TEST_F(FicherosTest, EditarReemplazosQueFaltanLosCreaYLosAbreEnElEditor) {
    Instalacion instalacion;
    const Asociacion txt(".txt", instalacion.Grabador("Editor.exe"));
    const std::string reglas = instalacion.Fichero("nuevas.txt");
    WritePrivateProfileStringA("FicherosReemplazos", "1", reglas.c_str(),
                               instalacion.Fichero("Rebanex.ini").c_str());
    Rebanex app(instalacion.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    // Ctrl+F, through the system's input queue to the window brought to the front by a click.
    app.ClicEn(100, 6);
    ASSERT_TRUE(Esperar([&] { return GetForegroundWindow() == app.Ventana(); }));
    INPUT teclas[4] = {};
    const WORD vk[4] = {VK_CONTROL, 'F', 'F', VK_CONTROL};
    for (int i = 0; i < 4; ++i) {
        teclas[i].type = INPUT_KEYBOARD;
        teclas[i].ki.wVk = vk[i];
        teclas[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
    }
    SendInput(4, teclas, sizeof(INPUT));
    Atender(app, "Upss no ta!!!",
            "No he encontrado el fichero de Reemplazos '" + reglas + "', voy a Crearlo!!!");
    std::string esperado;
    for (const std::string& linea : Troceado::ContenidoReemplazosPorDefecto()) {
        esperado += linea + "\r\n";
    }
    const std::string registro = instalacion.Fichero("Editor.txt");
    ASSERT_TRUE(Esperar([&] { return LeerFichero(registro).ends_with("\r\n"); }, kPlazoLargo));
    EXPECT_EQ(LeerFichero(reglas), esperado);
    EXPECT_EQ(Argumentos(LeerFichero(registro)), "\"" + reglas + "\"");
}

TEST_F(FicherosTest, AyudaYCreditos) {
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    for (const auto& [menu, aviso] : {std::pair{Menu::mnu_ayuda_utilidad, AvisoAyuda()},
                                      std::pair{Menu::mnu_ayuda_acerca, AvisoCreditos()}}) {
        app.Elegir(menu);
        Atender(app, aviso.titulo, aviso.texto);
    }
}

TEST_F(FicherosTest, LosEnlacesLlegamAlNavegadorYElCorreoASuPrograma) {
    Instalacion instalacion;
    const Asociacion html(".html", instalacion.Grabador("Navegador.exe"));
    const Asociacion mailto("mailto", instalacion.Grabador("Correo.exe"));
    Rebanex app(instalacion.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    const std::string registro = instalacion.Fichero("Navegador.txt");
    const std::pair<Menu, std::string_view> enlaces[] = {
        {Menu::mnu_ayuda_peich, Direcciones::kPeichMensatel},
        {Menu::mnu_ayuda_foro, Direcciones::kForoMensatel},
        {Menu::mnu_ayuda_chat, Direcciones::kChatMensatel},
        {Menu::mnu_ayuda_faqMensatel, Direcciones::kFaqMensatel},
    };
    for (const auto& [menu, url] : enlaces) {
        DeleteFileA(registro.c_str());
        app.Elegir(menu);
        ASSERT_TRUE(Esperar([&] { return LeerFichero(registro).ends_with("\r\n"); }, kPlazoLargo))
            << url;
        EXPECT_EQ(Argumentos(LeerFichero(registro)), url);
    }
    char temporal[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temporal);
    EXPECT_FALSE(Existe(std::string(temporal) + "TempHtm.html"));

    app.Elegir(Menu::mnu_ayuda_enviarmsg);
    const std::string correo = instalacion.Fichero("Correo.txt");
    ASSERT_TRUE(
        Esperar([&] { return Existe(correo) && !LeerFichero(correo).empty(); }, kPlazoLargo));
    EXPECT_EQ(Argumentos(LeerFichero(correo)),
              "\"mailto:" + std::string(Direcciones::kMailAutor) + "\"");
}

TEST_F(FicherosTest, SinNavegadorLoDice) {
    const Asociacion html(".html", "");
    Rebanex app(directorio_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    app.Elegir(Menu::mnu_ayuda_peich);
    Atender(app, "Rebanex", "No puedo encontrar el navegador");
}

TEST_F(FicherosTest, MensatelLogArrancaSiEstaJuntoAlPrograma) {
    Instalacion instalacion;
    {
        Rebanex app(instalacion.Ruta());
        ASSERT_NE(app.Ventana(), nullptr);
        app.Elegir(Menu::mnu_archivo_mensatellog);
        Atender(app, "MensatelLog no ta aki!!!", AvisoMensatelLogAusente().texto);
    }
    CopyFileA(RutaWindows(MENSATELLOG_EXE).c_str(), instalacion.Fichero("MensatelLog.exe").c_str(),
              FALSE);
    Rebanex app(instalacion.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    app.Elegir(Menu::mnu_archivo_mensatellog);
    EXPECT_TRUE(
        Esperar([&] { return Existe(instalacion.Fichero("MensatelLog.txt")); }, kPlazoLargo));
}

class Actualizar : public FicherosTest {
  protected:
    // Starts Rebanex with the update directory at `web`, asks for the update and answers the
    // question, when it comes, with `respuesta`.
    void Pedir(const std::string& web, int respuesta = 0) {
        WritePrivateProfileStringA("Rebanex", "WebActualizaciones", web.c_str(),
                                   instalacion_.Fichero("Rebanex.ini").c_str());
        app_ = std::make_unique<Rebanex>(instalacion_.Ruta());
        ASSERT_NE(app_->Ventana(), nullptr);
        app_->Elegir(Menu::mnu_ayuda_bajarNew);
        if (respuesta != 0) {
            Atender(*app_, "Bajar Actualizador inteligente xD", PreguntaBajarActualizador().texto,
                    respuesta);
        }
    }
    // The updater ran with its command line and Rebanex ended.
    void ComprobarActualizador(const std::string& web) {
        const std::string registro = instalacion_.Fichero("Actualix.txt");
        // The stub writes its line after creating the file: wait for the whole line.
        ASSERT_TRUE(Esperar([&] { return LeerFichero(registro).ends_with("\r\n"); }, kPlazoLargo));
        EXPECT_EQ(LeerFichero(registro),
                  LineaActualizador(instalacion_.Fichero("Rebanex.exe"), web) + "\r\n");
        EXPECT_EQ(app_->EsperarFin(kPlazoLargo), 0u);
    }

    Instalacion instalacion_;
    std::unique_ptr<Rebanex> app_;
};

TEST_F(Actualizar, ConElActualizadorAlLadoLoArrancaYSeCierra) {
    instalacion_.Grabador("Actualix.exe");
    Pedir("http://127.0.0.1:9/");
    ComprobarActualizador("http://127.0.0.1:9/");
}

TEST_F(Actualizar, SinElLoDescargaSiSeQuiereYLoArranca) {
    ServidorWeb web("/Actualix.exe", LeerFichero(RutaWindows(GRABADOR_EXE)));
    Pedir(web.Raiz(), IDYES);
    ComprobarActualizador(web.Raiz());
}

// Nothing listening. (Under Wine a download answered "404 Not Found" counts as done, its page
// saved as the file: then the updater is what fails to start.)
TEST_F(Actualizar, UnaDescargaFallidaLoDiceYNoSeCierra) {
    std::string web;
    {
        const ServidorWeb cerrado("/", "");
        web = cerrado.Raiz();
    }
    Pedir(web, IDYES);
    Atender(*app_, "No se ha podido descargar", AvisoDescargaFallida().texto);
    EXPECT_FALSE(Existe(instalacion_.Fichero("Actualix.exe")));
    EXPECT_EQ(app_->EsperarFin(std::chrono::milliseconds(0)), std::nullopt);
    EXPECT_TRUE(IsWindow(app_->Ventana()));
}

TEST_F(Actualizar, SinQuererDescargarAbreLaPaginaDelArchivo) {
    const Asociacion html(".html", instalacion_.Grabador("Navegador.exe"));
    Pedir("http://127.0.0.1:9/web/", IDNO);
    const std::string registro = instalacion_.Fichero("Navegador.txt");
    ASSERT_TRUE(Esperar([&] { return LeerFichero(registro).ends_with("\r\n"); }, kPlazoLargo));
    EXPECT_EQ(Argumentos(LeerFichero(registro)), "http://127.0.0.1:9/web/Rebanex.zip");
}

}  // namespace
}  // namespace rebanex::e2e
