// What every end-to-end test starts from: Rebanex.exe copied into a fresh folder, also its
// start folder, where Rebanex.ini is written and other programs can be put beside it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "comun/Aviso.h"
#include "e2e/Conduccion.h"

namespace rebanex::e2e {

class Instalada : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 1252u) << "the ANSI code page of this Wine prefix";
        ASSERT_TRUE(
            CopyFileA(RutaRebanex().c_str(), carpeta.Fichero("Rebanex.exe").c_str(), FALSE));
    }

    void Instalar(const char* exe, const std::string& nombre) {
        ASSERT_TRUE(CopyFileA(RutaWindows(exe).c_str(), carpeta.Fichero(nombre).c_str(), FALSE));
    }
    void Opcion(const char* clave, const char* valor) {
        WritePrivateProfileStringA("Rebanex", clave, valor, carpeta.Fichero("Rebanex.ini").c_str());
    }
    // The box shows that notice; then it is answered.
    static void Atender(Rebanex& app, const Aviso& aviso) {
        const std::optional<Caja> caja = app.EsperarCaja(aviso.titulo);
        ASSERT_TRUE(caja) << "no box \"" << aviso.titulo << "\"";
        EXPECT_EQ(caja->texto, aviso.texto);
        app.Responder(*caja, IDOK);
        ASSERT_TRUE(Esperar([&] { return !IsWindow(caja->hwnd); }));
    }

    DirectorioTemporal carpeta;
};

}  // namespace rebanex::e2e
