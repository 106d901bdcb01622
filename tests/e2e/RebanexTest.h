// Each end-to-end test starts from Rebanex.exe copied into a new empty folder, also its start
// folder, where Rebanex.ini goes and other programs can be put; the folder goes afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "comun/Aviso.h"
#include "comun/CarpetaTemporal.h"
#include "e2e/Conduccion.h"

namespace rebanex::e2e {

class Instalada : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page of this Wine prefix";
        Instalar(REBANEX_EXE, "Rebanex.exe");
    }

    std::string Fichero(const std::string& nombre) const { return carpeta + "\\" + nombre; }
    void Instalar(const char* exe, const std::string& nombre) {
        // The cross build's paths are the host's, which Wine's drive Z: shows.
        ASSERT_TRUE(CopyFileA(("Z:" + std::string(exe)).c_str(), Fichero(nombre).c_str(), FALSE));
    }
    void Opcion(const char* clave, const char* valor) {
        WritePrivateProfileStringA("Rebanex", clave, valor, Fichero("Rebanex.ini").c_str());
    }
    // The control comes to show that text; else what it shows.
    static ::testing::AssertionResult Muestra(const Rebanex& app, Control c, std::string_view t,
                                              std::chrono::milliseconds plazo = kPlazo) {
        if (Esperar([&] { return app.Texto(c) == t; }, plazo)) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "shows \"" << app.Texto(c) << "\"";
    }
    // The box shows that notice; then it is answered.
    static void Atender(Rebanex& app, const Aviso& aviso) {
        const std::optional<Caja> caja = app.EsperarCaja(aviso.titulo);
        ASSERT_TRUE(caja) << "no box \"" << aviso.titulo << "\"";
        EXPECT_EQ(caja->texto, aviso.texto);
        app.Aceptar(*caja);
        ASSERT_TRUE(Esperar([&] { return !IsWindow(caja->hwnd); }));
    }

    pruebas::CarpetaTemporal temporal;
    const std::string carpeta = temporal.Ruta();  // without the final backslash
};

}  // namespace rebanex::e2e
