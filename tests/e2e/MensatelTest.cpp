// Rebanex.exe installed beside the test host dorvax.exe, driven through its window: pieces
// pasted into the host, its size read, the host found, started, tidied, or missing.
#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "e2e/Conduccion.h"

namespace rebanex::e2e {
namespace {

using enum Control;

constexpr char kAgenda[] = "Mensatel - Agenda Telefónica";
constexpr char kOpciones[] = "Mensatel - Opciones";
constexpr char kPrincipal[] = "\\\\ensatel";
constexpr char kEsperando[] = "Esperando al Mensatel... (Esc cancela)";
const std::string kMensaje =
    "Mañana a las nueve en la plaza, que yo llevo la cámara y tú las entradas del concierto.";

// The pastes of the host's record, in order.
std::vector<std::string> Pegados(const std::string& registro) {
    std::vector<std::string> pegados;
    for (std::size_t i = registro.find("PEGADO "); i != std::string::npos;
         i = registro.find("PEGADO ", i + 1)) {
        const std::size_t dos = registro.find(':', i);
        const std::size_t largo = std::stoul(registro.substr(i + 7, dos - i - 7));
        pegados.push_back(registro.substr(dos + 1, largo));
    }
    return pegados;
}

std::string LeerPortapapeles() {
    std::string texto = "<cerrado>";
    if (Esperar([] { return OpenClipboard(nullptr) != FALSE; })) {
        texto.clear();
        if (HANDLE datos = GetClipboardData(CF_TEXT)) {
            texto = static_cast<const char*>(GlobalLock(datos));
            GlobalUnlock(datos);
        }
        CloseClipboard();
    }
    return texto;
}

// A click on a label: it tells its window as a click of the mouse does.
void ClicEnEtiqueta(HWND etiqueta) {
    PostMessageA(etiqueta, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(etiqueta, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

HWND Buscar(const char* titulo) {
    return FindWindowA(nullptr, titulo);
}

// Every program still running from `carpeta` (hosts Rebanex started, a Rebanex left over):
// the host first through its application window, then whatever is left by force, so that no
// program outlives the test.
void CerrarProgramasDe(const std::string& carpeta) {
    if (HWND aplicacion = Buscar("Dorvax")) {
        PostMessageA(aplicacion, WM_CLOSE, 0, 0);
    }
    const HANDLE instantanea = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entrada{};
    entrada.dwSize = sizeof(entrada);
    for (BOOL hay = Process32First(instantanea, &entrada); hay;
         hay = Process32Next(instantanea, &entrada)) {
        HANDLE proceso =
            OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                        entrada.th32ProcessID);
        char imagen[MAX_PATH] = {};
        DWORD largo = MAX_PATH;
        if (proceso != nullptr && QueryFullProcessImageNameA(proceso, 0, imagen, &largo) &&
            CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, imagen,
                           static_cast<int>(carpeta.size()), carpeta.c_str(),
                           static_cast<int>(carpeta.size())) == CSTR_EQUAL &&
            WaitForSingleObject(proceso, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(proceso, 1);
            WaitForSingleObject(proceso, 10000);
        }
        if (proceso != nullptr) {
            CloseHandle(proceso);
        }
    }
    CloseHandle(instantanea);
}

// The folder of an installation: Rebanex.exe beside dorvax.exe and MensatelLog.exe, also
// the start folder, where Rebanex.ini is written.
class MensatelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page of this Wine prefix";
        const std::string rebanex = Ruta("Rebanex.exe");
        ASSERT_TRUE(CopyFileA(RutaRebanex().c_str(), rebanex.c_str(), FALSE));
        anterior_ = RutaRebanex();
        _putenv(("REBANEX_EXE=" + rebanex).c_str());
    }
    void TearDown() override {
        _putenv(("REBANEX_EXE=" + anterior_).c_str());
        CerrarProgramasDe(carpeta_.Ruta() + "\\");
    }

    std::string Ruta(const std::string& fichero) const { return carpeta_.Ruta() + "\\" + fichero; }
    std::string Registro() const { return LeerFichero(Ruta("registro.txt")); }

    // The host's programs, with its flags in dorvax.args, as Rebanex starts it without any.
    void InstalarAnfitrion(const std::string& argumentos) {
        ASSERT_TRUE(CopyFileA(RutaWindows(DORVAX_EXE).c_str(), Ruta("dorvax.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(RutaWindows(MENSATELLOG_EXE).c_str(), Ruta("MensatelLog.exe").c_str(),
                              FALSE));
        std::ofstream(Ruta("dorvax.args"), std::ios::binary)
            << "--registro \"" << Ruta("registro.txt") << "\" " << argumentos;
    }
    // The host already running when Rebanex is started.
    void ArrancarAnfitrion() {
        std::string linea = "\"" + Ruta("dorvax.exe") + "\"";
        STARTUPINFOA inicio{};
        inicio.cb = sizeof(inicio);
        PROCESS_INFORMATION proceso{};
        ASSERT_TRUE(CreateProcessA(nullptr, linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   carpeta_.Ruta().c_str(), &inicio, &proceso));
        CloseHandle(proceso.hThread);
        CloseHandle(proceso.hProcess);
        ASSERT_TRUE(Esperar([] { return Buscar(kPrincipal) != nullptr; }, 30s));
    }
    void Opcion(const char* clave, const char* valor) {
        WritePrivateProfileStringA("Rebanex", clave, valor, Ruta("Rebanex.ini").c_str());
    }

    // Splits kMensaje at `longitud` and waits for the piece view.
    static void Trocear(Rebanex& app, const std::string& longitud) {
        app.Escribir(Msg, kMensaje);
        app.PonerTexto(Lon, longitud);
        ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == kMensaje; }));
        app.Pulsar(Partir);
        ASSERT_TRUE(Esperar([&] { return app.Visible(Trozo); }, 30s));
    }

    static void Aceptar(Rebanex& app, const std::string& titulo, const std::string& texto) {
        const std::optional<Caja> caja = app.EsperarCaja(titulo);
        ASSERT_TRUE(caja) << "no box \"" << titulo << "\"";
        EXPECT_EQ(caja->texto, texto);
        app.Responder(*caja, IDOK);
        ASSERT_TRUE(Esperar([&] { return !IsWindow(caja->hwnd); }));
    }

    DirectorioTemporal carpeta_;
    std::string anterior_;
};

TEST_F(MensatelTest, CadaCopiarPegaUnTrozoEnElCampoVacioYDevuelveElPortapapeles) {
    InstalarAnfitrion("");
    ArrancarAnfitrion();
    Rebanex app(carpeta_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    Trocear(app, "40");
    ASSERT_EQ(app.Texto(Contador), "1/3");
    ASSERT_TRUE(PonerEnPortapapeles("lo de antes"));

    std::vector<std::string> trozos;
    for (int n = 1; n <= 3; ++n) {
        trozos.push_back(app.Texto(Trozo));
        app.Pulsar(Copiar);
        ASSERT_TRUE(Esperar([&] { return Pegados(Registro()).size() == trozos.size(); }, 30s))
            << Registro();
        const std::string siguiente = std::to_string(std::min(n + 1, 3)) + "/3";
        ASSERT_TRUE(Esperar([&] { return app.Texto(Contador) == siguiente; }));
    }
    EXPECT_EQ(Pegados(Registro()), trozos);
    // The field read empty before each paste: what it held after it was the piece alone.
    const std::string registro = Registro();
    for (const std::string& trozo : trozos) {
        const std::string linea = "VACIADO\r\nPEGADO " + std::to_string(trozo.size()) + ":";
        EXPECT_NE(registro.find(linea + trozo + "\r\n"), std::string::npos) << registro;
    }
    EXPECT_TRUE(Esperar([] { return LeerPortapapeles() == "lo de antes"; })) << LeerPortapapeles();
    EXPECT_FALSE(app.Habilitado(der));
}

TEST_F(MensatelTest, ElTamanyoDelMensatelVaALaLongitudMaximaYLimitaElPegado) {
    InstalarAnfitrion(R"(--tamanyo "145 caracteres")");
    ArrancarAnfitrion();
    Rebanex app(carpeta_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    ClicEnEtiqueta(app.Hwnd(etLongMax));
    EXPECT_TRUE(Esperar([&] { return app.Texto(Lon) == "145"; }, 30s)) << app.Texto(Lon);

    // The split reads it too, for the next one: this one goes on with 160.
    const std::string largo = kMensaje + " " + kMensaje;
    app.Escribir(Msg, largo);
    app.PonerTexto(Lon, "160");
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == largo; }));
    app.Pulsar(Partir);
    ASSERT_TRUE(Esperar([&] { return app.Visible(Trozo); }, 30s));
    EXPECT_EQ(app.Texto(Lon), "145");
    ASSERT_EQ(app.Texto(Contador), "1/2");
    ASSERT_GT(app.Texto(Trozo).size(), 145u);

    app.Pulsar(Copiar);
    Aceptar(app, "Epaaaaaaaa!!",
            "Usssss.... El Servidor no permite tanto texto en un sólo SMS\r\r"
            "Revisa el tamaño de los trozos!");
    EXPECT_EQ(app.Texto(Contador), "1/2");
    EXPECT_TRUE(Pegados(Registro()).empty()) << Registro();
}

TEST_F(MensatelTest, ElBotonMensatelLoArrancaYElPegadoEsperaASuVentana) {
    InstalarAnfitrion("--retraso 3000");
    Opcion("ObtenerTamañoMsg", "0");
    Rebanex app(carpeta_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    Trocear(app, "160");

    app.Pulsar(Mensatel);
    ASSERT_TRUE(Esperar([] { return Buscar("Dorvax") != nullptr; }, 30s));
    // Started from Rebanex's folder: it took the flags beside it there.
    DWORD id = 0;
    GetWindowThreadProcessId(Buscar("Dorvax"), &id);
    HANDLE proceso = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    char imagen[MAX_PATH] = {};
    DWORD largo = MAX_PATH;
    ASSERT_TRUE(QueryFullProcessImageNameA(proceso, 0, imagen, &largo));
    CloseHandle(proceso);
    EXPECT_EQ(lstrcmpiA(imagen, Ruta("dorvax.exe").c_str()), 0) << imagen;

    const std::string trozo = app.Texto(Trozo);
    app.Pulsar(Copiar);
    ASSERT_TRUE(Esperar([&] { return !Pegados(Registro()).empty(); }, 40s)) << Registro();
    EXPECT_EQ(Pegados(Registro()), std::vector<std::string>{trozo});
    EXPECT_TRUE(Esperar([&] { return app.Texto(Estado).empty(); }));
}

TEST_F(MensatelTest, SinDorvaxCadaIntentoLoDiceYNadaMas) {
    Rebanex app(carpeta_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    const std::string texto =
        "Upps!!! No encuentro el fichero 'Dorvax.exe.', \r\r\rCopiame en su directorio\r\r";

    app.Escribir(Msg, kMensaje);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Msg) == kMensaje; }));
    app.Pulsar(Partir);  // the size is asked of Mensatel
    Aceptar(app, "Dorvax.exe no ta aki!!!", texto);
    ASSERT_TRUE(Esperar([&] { return app.Visible(Trozo); }));
    EXPECT_EQ(app.Texto(Lon), "160");

    app.Pulsar(Mensatel);
    Aceptar(app, "Dorvax.exe no ta aki!!!", texto);
    EXPECT_EQ(Buscar("Dorvax"), nullptr);
}

TEST_F(MensatelTest, ElMensatelMinimizadoSeRestauraSeMueveAPantallaYSoloCierraLaAgenda) {
    const int ancho = GetSystemMetrics(SM_CXSCREEN);
    InstalarAnfitrion("--minimizado --agenda --opciones --posicion " + std::to_string(ancho - 200) +
                      " 100");
    ArrancarAnfitrion();
    ASSERT_TRUE(IsIconic(Buscar("Dorvax")));
    Rebanex app(carpeta_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);

    ClicEnEtiqueta(app.Hwnd(etLongMax));
    ASSERT_TRUE(Esperar([&] { return !Registro().empty(); }, 30s));
    EXPECT_TRUE(Esperar([&] { return app.Texto(Lon) == "160"; }, 30s)) << app.Texto(Lon);
    EXPECT_FALSE(IsIconic(Buscar("Dorvax")));
    RECT r{};
    GetWindowRect(Buscar(kPrincipal), &r);
    EXPECT_EQ(r.right, ancho);
    EXPECT_EQ(r.top, 100);
    EXPECT_TRUE(Esperar([] { return Buscar(kAgenda) == nullptr; }));
    EXPECT_NE(Buscar(kOpciones), nullptr);
}

TEST_F(MensatelTest, SinVentanaPrincipalEscapeAcabaLaEspera) {
    InstalarAnfitrion("--sin-principal");
    Opcion("ObtenerTamañoMsg", "0");
    Rebanex app(carpeta_.Ruta());
    ASSERT_NE(app.Ventana(), nullptr);
    Trocear(app, "160");

    app.Pulsar(Copiar);
    ASSERT_TRUE(Esperar([&] { return app.Texto(Estado) == kEsperando; }, 30s)) << app.Texto(Estado);
    // While it waits, another paste is refused and the window still answers.
    app.Pulsar(Copiar);
    app.Tecla(VK_ESCAPE);
    Aceptar(app, "Rebanex", "No ha aparecido la ventana del Mensatel.");
    // Had the second paste started a wait of its own, the first would still be waiting.
    EXPECT_TRUE(Esperar([&] { return app.Texto(Estado).empty(); })) << app.Texto(Estado);
    EXPECT_TRUE(app.Visible(Trozo));
    EXPECT_EQ(app.Texto(Contador), "1/1");
    EXPECT_EQ(Registro(), "");
}

}  // namespace
}  // namespace rebanex::e2e
