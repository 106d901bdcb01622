// The window without a screen, on a fake view, a fake Mensatel and the fake system: layout,
// start-up, options, settings, files, help and updater; then the message view (split, counter,
// keys, format menu, signature) and the piece view.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/MenusOpciones.h"
#include "app/Prog.h"
#include "app/Protegido.h"
#include "app/TablaControles.h"
#include "comun/CarpetaTemporal.h"
#include "comun/Direcciones.h"
#include "comun/Windows1252.h"
#include "files/Actualizador.h"
#include "files/Ayuda.h"
#include "files/Mensajes.h"
#include "host/ControlMensatel.h"
#include "settings/Ajustes.h"
#include "settings/TablaOpciones.h"
#include "sistema/SistemaSimulado.h"
#include "split/Partir.h"
#include "transforms/Reemplazos.h"
#include "transforms/ReemplazosPorDefecto.h"

namespace rebanex::pruebas {
namespace {

// A window without a screen, as designed; setting Msg's or Trozo's text raises its change event.
class VistaSimulada : public Vista {
  public:
    struct EstadoControl {
        std::string texto;
        bool visible = true, habilitado = true;
        long long inicio = 0, seleccion = 0;
        std::optional<std::pair<int32_t, int32_t>> colores;  // texto, fondo
    };
    struct EstadoMenu {
        bool marcado = false, habilitado = true;
        std::string texto;
    };

    explicit VistaSimulada(Prog& prog) : prog_(prog) {
        for (const DefControl& d : kTablaControles) {
            (*this)[d.control].texto = std::string(d.texto);
            (*this)[d.control].habilitado = d.habilitado;
        }
        (*this)[Control::MarcoTrozo].visible = (*this)[Control::MarcoTrozo].habilitado = false;
        for (Menu m : kMenus) {
            (*this)[m].marcado = MarcadoAlAbrir(m);
        }
    }
    // The user types a whole new text; the caret ends up after it.
    void Escribir(Control c, const std::string& texto) {
        FijarTexto(c, texto);
        (*this)[c].inicio = static_cast<long long>(texto.size());
    }
    EstadoControl& operator[](Control c) { return controles_[static_cast<size_t>(c)]; }
    EstadoMenu& operator[](Menu m) { return menus_[static_cast<size_t>(m)]; }

    AvisadorSimulado usuario;  // who answers the boxes
    std::vector<Aviso>& avisos = usuario.avisos;
    Control foco = Control::Msg;  // first in the tab order
    std::string titulo = "Rebanex";
    Rectangulo ventana{2880, 1440, 4875, 3495};
    bool cerrada = false;
    int menusOpciones = 0;

    std::string Texto(Control c) override { return (*this)[c].texto; }
    long long Longitud(Control c) override { return std::ssize((*this)[c].texto); }
    void FijarTexto(Control c, const std::string& texto) override {
        (*this)[c].texto = texto;
        (*this)[c].inicio = 0;
        if (c == Control::Msg) {
            prog_.MensajeCambiado();
        } else if (c == Control::Trozo) {
            prog_.TrozoCambiado();
        }
    }
    long long InicioSeleccion(Control c) override { return (*this)[c].inicio; }
    void Seleccionar(Control c, long long inicio, long long largo) override {
        (*this)[c].inicio = inicio;
        (*this)[c].seleccion = largo;
    }
    void Enfocar(Control c) override { foco = c; }
    bool Visible(Control c) override { return (*this)[c].visible; }
    void FijarVisible(Control c, bool si) override { (*this)[c].visible = si; }
    bool Habilitado(Control c) override { return (*this)[c].habilitado; }
    void FijarHabilitado(Control c, bool si) override { (*this)[c].habilitado = si; }
    void FijarAyuda(Control, const std::string&) override {}
    void Repintar(Control) override {}
    void FijarColores(Control c, int32_t texto, int32_t fondo) override {
        (*this)[c].colores = std::make_pair(texto, fondo);
    }
    bool Marcado(Menu m) override { return (*this)[m].marcado; }
    void FijarMarcado(Menu m, bool si) override { (*this)[m].marcado = si; }
    bool MenuHabilitado(Menu m) override { return (*this)[m].habilitado; }
    void FijarMenuHabilitado(Menu m, bool si) override { (*this)[m].habilitado = si; }
    std::string TextoMenu(Menu m) override { return (*this)[m].texto; }
    void FijarTextoMenu(Menu m, const std::string& texto) override { (*this)[m].texto = texto; }
    void MostrarMenuOpciones() override { ++menusOpciones; }
    std::string Titulo() override { return titulo; }
    void FijarTitulo(const std::string& texto) override { titulo = texto; }
    Rectangulo Ventana() override { return ventana; }
    void MoverVentana(double x, double y) override {
        ventana = {x, y, ventana.ancho, ventana.alto};
    }
    Rectangulo Pantalla() override { return {0, 0, 15360, 11520}; }
    void Cerrar() override { cerrada = true; }
    std::string SeparadorMiles() override { return std::string(1, ','); }
    Respuesta Avisar(const Aviso& aviso) override { return usuario.Avisar(aviso); }

  private:
    Prog& prog_;
    std::array<EstadoControl, kNumControles> controles_;
    std::array<EstadoMenu, kNumMenus> menus_;
};

// Mensatel as the tests want it: the answer to a paste, the size field's text.
class AnfitrionSimulado : public Anfitrion {
  public:
    ResultadoPegar Pegar(const std::string& t) override { return pegados.push_back(t), respuesta; }
    std::optional<std::string> LeerLongitudMaxima() override { return ++lecturas, tamanyo; }
    void Mostrar() override {}
    void Ejecutar() override {}
    bool Ocupado() const override { return ocupado; }
    void Cancelar() override { ++cancelados; }

    ResultadoPegar respuesta = ResultadoPegar::Pegado;
    std::optional<std::string> tamanyo;  // nullopt as when Mensatel is not there
    std::vector<std::string> pegados;
    int lecturas = 0, cancelados = 0;
    bool ocupado = false;
};

class ProgPrueba : public ::testing::Test {
  protected:
    static constexpr const char* kIni = "C:\\Rebanex\\Rebanex.ini";

    void Arrancar(const std::string& lineaComandos = "") {
        prog.Iniciar("C:\\Rebanex", lineaComandos);
    }
    // No transform, no indicator, no asking Mensatel: the pieces are the plain cut.
    void SinTransformaciones() {
        for (Menu m : {Menu::NoAcentos, Menu::NoMultiEspacios, Menu::IndicadorTrozos,
                       Menu::ObtenerTamanyoMsg}) {
            vista[m].marcado = false;
        }
    }
    void Trocear(const std::string& mensaje, const std::string& lon) {
        vista.Escribir(Control::Msg, mensaje);
        vista.Escribir(Control::LongMax, lon);
        prog.Trocear();
    }
    std::string Texto(Control c) { return vista[c].texto; }
    bool Habilitado(Control c) { return vista[c].habilitado; }

    AnfitrionSimulado anfitrion;
    pruebas::SistemaSimulado sistema;
    Prog prog{Entorno{vista, anfitrion, sistema.Servicios()}};
    VistaSimulada vista{prog};
};

// The form's layout in twips on screens of any DPI: each edge is rounded on its own.
TEST(Disposicion, CadaBordeSeRedondeaALosPuntosPorPulgada) {
    EXPECT_EQ(Colocar(Control::EtiquetaLongMax, 96), (RectPixeles{-2, 149, 65, 17}));
    EXPECT_EQ(TwipsAPixeles(-25, 192), -3);
    EXPECT_DOUBLE_EQ(PixelesATwips(100, 144), 1000);
    // A window goes wholly onto a monitor's work area, moved the least; one bigger than it
    // shows its top-left corner.
    const RectPixeles area{-1280, 40, 1280, 984};
    const std::pair<RectPixeles, RectPixeles> lugares[] = {
        {{-1000, 100, 330, 260}, {-1000, 100, 330, 260}},
        {{-1000, -143165577, 330, 260}, {-1000, 40, 330, 260}},
        {{-100, 900, 330, 260}, {-330, 764, 330, 260}},
        {{500, 100, 2000, 260}, {-1280, 100, 2000, 260}}};
    for (const auto& [antes, despues] : lugares) {
        EXPECT_EQ(DentroDelArea(antes, area), despues) << antes.x << "," << antes.y;
    }
}

// Nothing gets through the window procedures: the user is told, the caller gets a neutral result.
TEST(Protegido, NingunaExcepcionSaleDeLaVentana) {
    std::vector<Aviso> avisos;
    const auto avisar = [&](const std::exception_ptr& e) { avisos.push_back(AvisoDeFallo(e)); };
    const auto fallo = std::make_exception_ptr(std::runtime_error("x"));
    EXPECT_EQ(Protegido([] { return 7L; }, avisar), 7L);
    EXPECT_EQ(Protegido([&]() -> long { std::rethrow_exception(fallo); }, avisar), 0L);
    EXPECT_EQ(avisos, std::vector<Aviso>{AvisoDeFallo(fallo)});
    // What the report itself throws is dropped: the boundary still holds.
    EXPECT_EQ(Protegido([]() -> int { throw 1; }, [](const std::exception_ptr&) { throw 2; }), 0);
}

using ProgArranque = ProgPrueba;
using V = std::vector<std::string>;
using namespace std::string_literals;

// Every flag through its menu item: value and summary letter; nothing saved until asked.
TEST_F(ProgArranque, CadaMenuDeOpcionCambiaSuOpcionSinGuardarla) {
    Arrancar();
    const std::string ini = sistema.ficheros[kIni], antes = Texto(Control::Opciones);
    for (const DefOpcion& o : kOpciones) {
        if (o.tipo == TipoOpcion::SiNo) {
            SCOPED_TRACE(o.clave);
            const Menu item = *MenuDeOpcion(o.opcion);
            const bool marcado = vista[item].marcado;
            prog.EjecutarMenu(item);
            EXPECT_EQ(prog.LeerOpciones().*o.siNo, !marcado);  // read off the ticks
            EXPECT_EQ(Texto(Control::Opciones).find(o.letras[0]) != std::string::npos, !marcado);
            prog.EjecutarMenu(item);
            prog.EjecutarMenu(Menu::FirmarEnPosicion1);  // signing every piece enabled
            EXPECT_EQ(Texto(Control::Opciones), antes);
        }
    }
    EXPECT_EQ(sistema.ficheros[kIni], ini);
    // Signing every piece: enabled only with auto-signature and not at the caret.
    prog.EjecutarMenu(Menu::FirmarEnTrozos);
    for (const auto& [orden, habilitado, resumen] :
         {std::tuple{Menu::FirmarEnPosicion3, false, "   A  E  P  O  n  c           #  "},
          {Menu::FirmarAutomaticamente, true, "   A  E  P  O  n  c  F  T     #  "},
          {Menu::FirmarAutomaticamente, false, "   A  E  P  O  n  c           #  "}}) {
        prog.EjecutarMenu(orden);
        EXPECT_EQ(vista[Menu::FirmarEnTrozos].habilitado, habilitado);
        EXPECT_EQ(Texto(Control::Opciones), resumen);
    }
}

// Saving writes ticks, typed text and position, the window's own option at once; a read-only
// settings file gets the boxes of the two save commands.
TEST_F(ProgArranque, GuardarEscribeLasOpcionesYLaPosicion) {
    Arrancar();
    prog.EjecutarMenu(Menu::Letras2);
    vista.Escribir(Control::LongMax, "12a");  // saved as typed
    prog.EjecutarMenu(Menu::GuardarOpciones);
    EXPECT_NE(sistema.ficheros[kIni].find("MsgMax=12a\r\nLetras=2\r\n"), std::string::npos);
    EXPECT_EQ(Texto(Control::Estado), kEstadoConfiguracionGuardada);
    vista.ventana = Rectangulo{1440, -15, 4875, 3495};
    prog.EjecutarMenu(Menu::GuardarPosicion);
    EXPECT_NE(sistema.ficheros[kIni].find("X=1440\r\nPosicionVentanaY=-15\r\n"), std::string::npos);
    EXPECT_EQ(Texto(Control::Estado), kEstadoPosicionGuardada);
    prog.EjecutarMenu(Menu::RecordarPosicion);
    EXPECT_NE(sistema.ficheros[kIni].find("PosicionVentana=0\r\n"), std::string::npos);

    sistema.soloLectura.insert(kIni);
    vista.FijarTexto(Control::Estado, "");
    for (Menu m : {Menu::GuardarOpciones, Menu::GuardarPosicion, Menu::RecordarPosicion}) {
        prog.EjecutarMenu(m);  // the last one fails without a word
    }
    EXPECT_EQ(vista.avisos,
              (std::vector<Aviso>{AvisoErrorGuardarConfiguracion(), AvisoErrorGuardarPosicion()}));
    EXPECT_EQ(Texto(Control::Estado), "");
}

// The first start shows the defaults; an unreadable mensatel.ini is said, and gives neither its
// colours nor its signature. A later start shows what is stored.
TEST_F(ProgArranque, ElArranqueTomaLoGuardado) {
    const std::string mensatel = "C:\\Rebanex\\mensatel.ini";
    sistema.ficheros[mensatel] = "[colores]\r\nfondo=16777215\r\ntexto=0\r\n[Usuario]\r\nfirma=Ana";
    sistema.enUso.insert(mensatel);
    Arrancar();
    EXPECT_EQ(prog.LeerOpciones(), Configuracion{});  // what the menus and LongMax show
    EXPECT_EQ(vista.ventana.izquierda, 2880);         // no stored position: it stays
    EXPECT_FALSE(vista[Control::Msg].colores.has_value());
    EXPECT_EQ(prog.FirmaMensatel(), "");
    EXPECT_EQ(vista.avisos, std::vector{AvisoFicheroIlegible(mensatel, MotivoFallo::EnUso,
                                                             "Sigo sin sus colores ni su firma.")});

    sistema.enUso.clear();
    sistema.ficheros[kIni] =
        "[Rebanex]\r\nInverso=1\r\nNoAcentos=0\r\nMsgMax=abc\r\nLetras=3\r\nFirmarEnTrozos=1\r\n"
        "FirmarAutomaticamente=1\r\nFirmarEnPosicion=3\r\nAutoReemplazar=1\r\nPosicionVentana=1\r\n"
        "PosicionVentanaX=1500\r\nPosicionVentanaY=900\r\n[FicherosReemplazos]\r\n1=D:\\reglas.txt";
    Arrancar();
    // The summary is read off the ticks; signing every piece stays ticked, disabled at the caret.
    EXPECT_EQ(Texto(Control::Opciones), "I     E  P  O  M  c  F     R  #  ");
    EXPECT_TRUE(vista[Menu::FirmarEnTrozos].marcado && !vista[Menu::FirmarEnTrozos].habilitado);
    EXPECT_EQ(Texto(Control::LongMax), "0");  // not a number
    EXPECT_EQ(prog.RutaReemplazos(), "D:\\reglas.txt");
    EXPECT_EQ(vista.ventana, (Rectangulo{1500, 900, 4875, 3495}));
    EXPECT_EQ(vista[Control::Msg].colores, std::make_pair(int32_t{0}, int32_t{16777215}));
    EXPECT_EQ(vista[Control::Trozo].colores, vista[Control::Msg].colores);
    EXPECT_EQ(prog.FirmaMensatel(), "Ana");
    EXPECT_EQ(vista.avisos.size(), 1u);
}

// Links open in the .html program via a placeholder file; without one, a box says so. Only a
// Windows program downloaded becomes the updater and closes Rebanex; anything else goes.
TEST_F(ProgArranque, LosComandosQueAbrenOtrosProgramas) {
    Arrancar();
    for (Menu m : {Menu::PaQueSirvo, Menu::AcercaDe, Menu::EjecutarMensatelLog,
                   Menu::PeichMensatel}) {  // no MensatelLog, no browser
        prog.EjecutarMenu(m);
    }
    sistema.navegador = " C:\\Nav\\nav.exe ";
    sistema.abreBien = false;
    prog.EjecutarMenu(Menu::ForoMensatel);
    EXPECT_EQ(vista.avisos,
              (std::vector<Aviso>{AvisoAyuda(), AvisoCreditos(), AvisoMensatelLogAusente(),
                                  AvisoSinNavegador(), AvisoErrorNavegador()}));
    sistema.abreBien = true;
    sistema.ficheros["C:\\Mensatel\\MensatelLog.exe"] = "";
    sistema.abiertos.clear();
    for (Menu m : {Menu::ChatMensatel, Menu::EnviarMailAutor, Menu::EjecutarMensatelLog}) {
        prog.EjecutarMenu(m);
    }
    EXPECT_EQ(sistema.abiertos,
              (V{"C:\\Nav\\nav.exe|" + std::string(direcciones::kChatMensatel) + "|",
                 "mailto:" + std::string(direcciones::kMailAutor) + "||",
                 "C:\\Mensatel\\MensatelLog.exe||C:\\Rebanex\\"}));
    EXPECT_FALSE(sistema.EsFichero("C:\\Temp\\TempHtm.html"));
    EXPECT_EQ(vista.avisos.size(), 5u);

    const std::string actualix = "C:\\Mensatel\\Actualix.exe", viejo = "<html>404</html>";
    const std::string mz = "MZ" + std::string(2000, 'x');
    // What arrives, and what the download reports.
    const std::pair<std::string, bool> casos[] = {{"<html>" + std::string(2000, ' '), true},
                                                  {"", true},
                                                  {mz.substr(0, 600), false},
                                                  {"MZ" + std::string(5 << 20, 'x'), true},
                                                  {mz, true}};
    sistema.ficheros[actualix] = viejo;
    for (const auto& [llega, descarga] : casos) {
        SCOPED_TRACE(llega.substr(0, 8));
        vista.avisos.clear();
        sistema.descargado = llega;
        sistema.descarga = descarga;
        prog.EjecutarMenu(Menu::DescargarUltimaVersion);
        const bool bueno = llega == mz;
        std::vector<Aviso> avisos{PreguntaBajarActualizador(), AvisoDescargaFallida()};
        avisos.resize(bueno ? 1 : 2);
        EXPECT_EQ(vista.avisos, avisos);
        EXPECT_EQ(vista.cerrada, bueno);
        EXPECT_EQ(sistema.ficheros[actualix], bueno ? mz : viejo);
        EXPECT_FALSE(sistema.EsFichero(actualix + std::string(kSufijoDescarga)));
        EXPECT_EQ(Texto(Control::Estado), bueno ? "Descargando..." : "");
    }
    sistema.arranca = false;  // there now: no question
    prog.EjecutarMenu(Menu::DescargarUltimaVersion);
    EXPECT_EQ(vista.avisos.back(), AvisoActualizadorNoArranca(actualix));
    EXPECT_EQ(sistema.descargas, 5);
    const std::string linea = LineaActualizador("C:\\Mensatel\\Rebanex.exe",
                                                std::string(direcciones::kWebActualizaciones));
    EXPECT_EQ(sistema.ejecutados, (V{actualix + "|" + linea, actualix + "|" + linea}));
}

TEST_F(ProgArranque, CargarUnMensaje) {
    const std::string usado = "C:\\M\\usado.sms", justo(kMaximoMensaje, 'y');
    sistema.ficheros[usado] = "otro";
    sistema.enUso.insert(usado);
    sistema.ficheros["C:\\M\\grande.sms"] = justo + 'y';
    sistema.ficheros["C:\\M\\justo.sms"] = justo;
    sistema.ficheros["C:\\M\\emoji.sms"] = "ok \xF0\x9F\x98\x80";
    const auto cargar = [&](const std::string& elegido) {
        sistema.elegido = elegido;
        prog.EjecutarMenu(Menu::CargarMensaje);
        return Texto(Control::Msg);
    };
    Arrancar("\thola que tal");
    EXPECT_EQ(vista[Control::Msg].inicio, 12);  // the caret after it
    // Cancelled, too big, unreadable (there or on the command line): what the box held stays.
    for (const std::string& elegido : {std::string(), "C:\\M\\grande.sms"s, usado}) {
        EXPECT_EQ(cargar(elegido), "hola que tal");
    }
    Arrancar("\"" + usado + "\"");
    EXPECT_EQ(Texto(Control::Msg), "hola que tal");
    const Aviso ilegible = AvisoFicheroIlegible(usado, MotivoFallo::EnUso);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{AvisoFicheroGordo(), ilegible, ilegible}));
    EXPECT_EQ(cargar("C:\\M\\justo.sms"), justo);
    // What Windows-1252 lacks is named, not silently a "?".
    EXPECT_EQ(cargar("C:\\M\\emoji.sms"), "ok ?");
    EXPECT_EQ(vista.avisos.back(),
              AvisoSinWindows1252("El fichero 'C:\\M\\emoji.sms'", U"\U0001F600"));
    EXPECT_EQ(cargar("C:\\M\\ya-no.sms"), "");  // vanished after the dialog
    EXPECT_EQ(vista.avisos.back(), AvisoFicheroNoEncontrado("C:\\M\\ya-no.sms"));
}

// The chosen rules file heads the menu and the settings file, unless that is read-only.
TEST_F(ProgArranque, ElFicheroDeReglasElegidoSubeALaCabeza) {
    // The list as the menu shows it, or as the settings file keeps it.
    const auto lista = [&](bool guardada) {
        V v;
        for (int i = 1; i <= 5; ++i) {
            v.push_back(guardada ? sistema.perfil.ObtenerCadena(kIni, "FicherosReemplazos",
                                                                std::to_string(i), "?", 255)
                                 : vista[ItemDeGrupo(Menu::FicheroReemplazos1, i)].texto);
        }
        return v;
    };
    const struct {
        Menu item;
        std::string elegido;  // in the dialog, if it opens
        V despues;
    } casos[] = {{Menu::FicheroReemplazos3, "", {"R3", "R1", "R2", "R4", "R5"}},
                 {Menu::ElegirFicheroReemplazos, "r2", {"R2", "R1", "R3", "R4", "R5"}},
                 {Menu::ElegirFicheroReemplazos, "R6", {"R6", "R1", "R2", "R3", "R4"}},
                 {Menu::ElegirFicheroReemplazos, "", {"R1", "R2", "R3", "R4", "R5"}}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.despues[0] + " " + c.elegido);
        sistema.ficheros[kIni] = "[FicherosReemplazos]\r\n1=R1\r\n2=R2\r\n3=R3\r\n4=R4\r\n5=R5";
        Arrancar();
        sistema.elegido = c.elegido;
        prog.EjecutarMenu(c.item);
        EXPECT_EQ(lista(false), c.despues);
        EXPECT_EQ(lista(true), c.despues);
        EXPECT_EQ(prog.RutaReemplazos(), c.despues[0]);
    }
    // An empty entry asks for a file.
    sistema.soloLectura.insert(kIni);
    vista[Menu::FicheroReemplazos5].texto = "";
    sistema.elegido = "R7";
    prog.EjecutarMenu(Menu::FicheroReemplazos5);
    EXPECT_EQ(lista(false), (V{"R7", "R1", "R2", "R3", "R4"}));
    EXPECT_EQ(lista(true), (V{"R1", "R2", "R3", "R4", "R5"}));
    EXPECT_EQ(prog.RutaReemplazos(), "R7");
}

// A missing rules file is created with the defaults; the file always goes to the text editor.
TEST_F(ProgArranque, EditarElFicheroDeReglas) {
    Arrancar();
    const std::string ruta = "C:\\Rebanex\\Rebanex.txt";
    sistema.soloLectura.insert(ruta);
    prog.EjecutarMenu(Menu::AbrirFicheroReemplazos);
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{AvisoReemplazosNoEncontrado(ruta),
                                                AvisoErrorEscribirReemplazos(ruta)}));
    sistema.soloLectura.clear();
    prog.EjecutarMenu(Menu::AbrirFicheroReemplazos);
    EXPECT_EQ(sistema.ficheros[ruta], TextoReemplazosPorDefecto());
    sistema.ficheros[ruta] = "cambiado";
    prog.EjecutarMenu(Menu::AbrirFicheroReemplazos);  // there now: opened without a word
    EXPECT_EQ(sistema.ficheros[ruta], "cambiado");

    sistema.ficheros[kIni] = "[FicherosReemplazos]\r\n1=reglas.bat";
    sistema.ficheros["C:\\Rebanex\\reglas.bat"] = "x";
    Arrancar();
    prog.EjecutarMenu(Menu::AbrirFicheroReemplazos);
    const auto editor = [](const std::string& r) { return "C:\\Ed\\ed.exe|\"" + r + "\"|"; };
    EXPECT_EQ(sistema.abiertos, (V{editor(ruta), editor(ruta), editor("C:\\Rebanex\\reglas.bat")}));
    EXPECT_EQ(vista.avisos.size(), 3u);
}

using ProgMensaje = ProgPrueba;
constexpr int kEscape = 27;

// The cut reaches the piece view, which replaces the message view. A refused split shows its
// box, focuses the fault and keeps the pieces; Mensatel is not asked before the checks.
TEST_F(ProgMensaje, TrocearMuestraElPrimerTrozoOEnfocaElFallo) {
    Arrancar();
    anfitrion.tamanyo = "145";  // ObtenerTamañoMsg is on by default: it counts from the next
    Trocear("hola mundo que tal estas", "20");
    EXPECT_EQ(Texto(Control::Trozo), "1/2 hola mundo que ");
    EXPECT_TRUE(Habilitado(Control::Copiar));
    EXPECT_FALSE(vista[Control::MarcoMensaje].visible || Habilitado(Control::MarcoMensaje));
    EXPECT_TRUE(vista[Control::MarcoTrozo].visible && Habilitado(Control::MarcoTrozo));
    EXPECT_EQ(Texto(Control::Msg), "hola mundo que tal estas");  // only the copy is cut
    EXPECT_EQ(Texto(Control::LongMax), "145");
    anfitrion.tamanyo = std::nullopt;  // Mensatel not there: LongMax stays
    prog.LeerLongMaxDeMensatel();
    EXPECT_EQ(Texto(Control::LongMax), "145");
    EXPECT_TRUE(vista.avisos.empty());

    const std::vector<std::string> trozos = prog.Trozos();
    prog.VolverAlMensaje();
    vista.foco = Control::Partir;
    Trocear("", "160");
    EXPECT_EQ(vista.foco, Control::Msg);
    Trocear("hola", "16a");
    EXPECT_EQ(vista.avisos, (std::vector<Aviso>{AvisoMensajeVacio(), AvisoSoloNumeros()}));
    EXPECT_EQ(vista.foco, Control::LongMax);
    EXPECT_EQ(vista[Control::LongMax].seleccion, 3);  // all of it
    EXPECT_EQ(prog.Trozos(), trozos);
    EXPECT_EQ(anfitrion.lecturas, 2);  // the two of the first split
}

// Escape: piece view back to message, clears the message, then leaves; nothing else reacts.
TEST_F(ProgMensaje, EscapeRetrocedeUnPaso) {
    Arrancar();
    Trocear("uno dos tres cuatro", "12");
    const std::string ini = sistema.ficheros[kIni];
    for (int tecla : {13, 9, 32, 112, 0}) {
        prog.TeclaPulsada(tecla, 0);
    }
    prog.ClicEnTrocear(2, 0, 10.0f, 5.0f);  // the right button opens the options menu
    prog.ClicEnOpciones(1, 0, 10.0f, 5.0f);
    EXPECT_EQ(vista.menusOpciones, 1);
    EXPECT_TRUE(vista[Control::MarcoTrozo].visible);
    prog.TeclaPulsada(kEscape, 0);
    EXPECT_TRUE(vista[Control::MarcoMensaje].visible && !vista[Control::MarcoTrozo].visible);
    EXPECT_EQ(Texto(Control::Msg), "uno dos tres cuatro");
    vista.foco = Control::Partir;
    prog.TeclaPulsada(kEscape, 0);
    EXPECT_EQ(Texto(Control::Msg) + Texto(Control::Trozo) + Texto(Control::ContadorMensaje),
              "0 / 0");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    EXPECT_EQ(vista.foco, Control::Msg);
    EXPECT_FALSE(vista.cerrada);
    prog.TeclaPulsada(kEscape, 1);  // whatever the shift state
    EXPECT_TRUE(vista.cerrada);
    EXPECT_EQ(sistema.ficheros[kIni], ini);
}

// The format menu changes the whole message.
TEST_F(ProgMensaje, ElMenuFormatoCambiaTodoElMensaje) {
    Arrancar();
    SinTransformaciones();
    vista.Escribir(Control::Msg, "canción\r\nÁRBOL   él" + std::string(1000, ' '));
    prog.EjecutarMenu(Menu::EliminarAcentos);
    prog.EjecutarMenu(Menu::CambiarLetras2);
    EXPECT_EQ(Texto(Control::Msg), "CANCION\r\nARBOL   EL" + std::string(1000, ' '));
    prog.EjecutarMenu(Menu::EliminarMultiEspacios);
    prog.EjecutarMenu(Menu::CambiarLetras1);
    EXPECT_EQ(Texto(Control::Msg), "cancion\r\narbol el ");
    prog.EjecutarMenu(Menu::AutoReemplazarPalabras);  // no rules file: its box, the text kept
    EXPECT_EQ(vista.avisos.size(), 1u);
    // Rules that keep lengthening it stop where no split could take it (from 160 while LongMax
    // holds no maximum); the message stays.
    const std::string regla = "*a\t" + std::string(100, 'a') + "\r\n";
    pruebas::CarpetaTemporal carpeta;
    sistema.elegido = carpeta.Escribir("r.txt", regla + regla + regla + regla + regla);
    prog.EjecutarMenu(Menu::ElegirFicheroReemplazos);
    vista.Escribir(Control::LongMax, "abc");
    prog.EjecutarMenu(Menu::AutoReemplazarPalabras);
    EXPECT_EQ(Texto(Control::Msg), "cancion\r\narbol el ");
    EXPECT_EQ(vista.avisos.back(), AvisoReemplazosSinFin(kMaxTrozos * 160));
    EXPECT_EQ(Texto(Control::Estado), "");
}

// The signature goes where its position tick says, the focus back on the message; without one
// the button does nothing.
TEST_F(ProgMensaje, LaFirmaVaDondeDiceSuPosicion) {
    for (const auto& [firma, firmado] : {std::pair{"", "hola"}, {"Ana", "hoAnala"}}) {
        sistema.perfil.EscribirCadena("C:\\Rebanex\\mensatel.ini", "Usuario", "firma", firma);
        Arrancar();
        prog.EjecutarMenu(Menu::FirmarEnPosicion3);  // at the caret
        vista.Escribir(Control::Msg, "hola");
        vista[Control::Msg].inicio = 2;
        vista.foco = Control::Partir;
        prog.EjecutarMenu(Menu::InsertarFirma);  // the button's command
        EXPECT_EQ(Texto(Control::Msg), firmado);
        EXPECT_EQ(vista.foco, *firma ? Control::Msg : Control::Partir);
    }
}

class ProgTrozos : public ProgPrueba {
  protected:
    void SetUp() override {
        Arrancar();
        SinTransformaciones();
        Trocear("uno dos tres", "5");  // "uno ", "dos ", "tres"
    }
    std::string Flechas() {  // first, previous, next, last: 1 when enabled
        std::string s;
        for (Control c : {Control::PrimerTrozo, Control::TrozoAnterior, Control::TrozoSiguiente,
                          Control::UltimoTrozo}) {
            s += Habilitado(c) ? '1' : '0';
        }
        return s;
    }
};

// The arrows stop at the ends; edits are lost on moving; spaces alone make one empty piece.
TEST_F(ProgTrozos, LasFlechasRecorrenLosTrozos) {
    EXPECT_EQ(Flechas(), "0011");
    vista.Escribir(Control::Trozo, "cambiado");
    const struct {
        void (Prog::*clic)();
        std::string trozo, contador, flechas;
    } pasos[] = {{&Prog::IrAlTrozoAnterior, "cambiado", "1/3", "0011"},
                 {&Prog::IrAlTrozoSiguiente, "dos ", "2/3", "1111"},
                 {&Prog::IrAlUltimoTrozo, "tres", "3/3", "1100"},
                 {&Prog::IrAlPrimerTrozo, "uno ", "1/3", "0011"}};
    for (const auto& p : pasos) {
        SCOPED_TRACE(p.trozo + p.contador);
        (prog.*p.clic)();
        EXPECT_EQ(Texto(Control::Trozo), p.trozo);
        EXPECT_EQ(Texto(Control::LargoTrozo), std::to_string(p.trozo.size()));
        EXPECT_EQ(Texto(Control::Contador), p.contador);
        EXPECT_EQ(Flechas(), p.flechas);
    }
    Trocear("   ", "160");
    EXPECT_EQ(Flechas(), "0000");
    EXPECT_FALSE(Habilitado(Control::Copiar));
    vista.Escribir(Control::Trozo, "x");
    EXPECT_TRUE(Habilitado(Control::Copiar));
}

// The piece goes as shown; the view moves on if it went or Mensatel is absent, not past the end.
TEST_F(ProgTrozos, PegarAlMensatelPasaAlSiguienteSiLoAcepta) {
    using enum ResultadoPegar;
    for (const auto& [respuesta, contador] : {std::pair{Pegado, "2/3"},
                                              {SinMensatel, "2/3"},
                                              {Rechazado, "1/3"},
                                              {PortapapelesOcupado, "1/3"}}) {
        SCOPED_TRACE(static_cast<int>(respuesta));
        prog.IrAlPrimerTrozo();
        vista.Escribir(Control::Trozo, "uno editado");
        anfitrion.respuesta = respuesta;
        prog.CopiarTrozo();
        EXPECT_EQ(anfitrion.pegados.back(), "uno editado");
        EXPECT_EQ(Texto(Control::Contador), contador);
    }
    anfitrion.respuesta = Pegado;
    prog.IrAlUltimoTrozo();
    prog.CopiarTrozo();
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    EXPECT_EQ(sistema.portapapeles, CopiaPortapapeles{});

    // Without pasting, the whole message goes to the clipboard and the view stays; a clipboard
    // another program keeps is said.
    vista[Menu::CopiarTrozoAlMensatel].marcado = false;
    prog.IrAlTrozoAnterior();
    prog.CopiarTrozo();
    EXPECT_EQ(sistema.portapapeles, (CopiaPortapapeles{{{1, "uno dos tres"}}}));
    EXPECT_EQ(Texto(Control::Contador), "2/3");
    EXPECT_EQ(anfitrion.pegados.size(), 5u);
    sistema.fallan = {"escribir"};
    prog.CopiarTrozo();
    EXPECT_EQ(vista.avisos, std::vector<Aviso>{AvisoPortapapelesOcupado()});

    // While a paste waits, Escape ends the wait and nothing else, a split is refused, arrows work.
    anfitrion.ocupado = true;
    prog.TeclaPulsada(kEscape, 0);
    prog.IrAlTrozoSiguiente();
    EXPECT_EQ(anfitrion.cancelados, 1);
    EXPECT_EQ(Texto(Control::Contador), "3/3");
    prog.VolverAlMensaje();
    Trocear("otro mensaje", "160");
    EXPECT_EQ(prog.Trozos().size(), 3u);
    EXPECT_TRUE(vista[Control::MarcoMensaje].visible);
}

}  // namespace
}  // namespace rebanex::pruebas
