#include "unifier/EntregaArchivo.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "sivlib/Utiles.h"
#include "support/CarpetaPrueba.h"

namespace {

using vorna::EntregarArchivo;
using vorna::ResultadoEntrega;
namespace fs = std::filesystem;

const std::string kNombre = "610013001-VTA-16.csv";

std::vector<std::string> Archivos(const std::string& carpeta) {
  std::vector<std::string> r;
  for (const auto& e : fs::directory_iterator(carpeta)) r.push_back(e.path().filename().string());
  std::sort(r.begin(), r.end());
  return r;
}

struct Entrega : ::testing::Test {
  CarpetaPrueba temporal;
  CarpetaPrueba destino;
  std::string archivoTemporal = temporal / "08122024153045.TMP";
};

TEST_F(Entrega, CopiaElArchivoCompletoYConservaElTemporal) {
  EscribirArchivo(archivoTemporal, "610013001;1\r\n610013001;2\r\n");
  const ResultadoEntrega r = EntregarArchivo(archivoTemporal, destino.Ruta(), kNombre);
  EXPECT_TRUE(r.Entregado());
  EXPECT_FALSE(r.error.HayError());
  EXPECT_EQ(r.destino, destino / kNombre);
  EXPECT_EQ(LeerArchivo(destino / kNombre), "610013001;1\r\n610013001;2\r\n");
  EXPECT_EQ(Archivos(destino.Ruta()), std::vector<std::string>{kNombre});
  EXPECT_TRUE(Existe(archivoTemporal));
}

TEST_F(Entrega, CarpetaSinBarraFinalYArchivoVacio) {
  EscribirArchivo(archivoTemporal, "");
  std::string carpeta = destino.Ruta();
  carpeta.pop_back();
  const ResultadoEntrega r = EntregarArchivo(archivoTemporal, carpeta, kNombre);
  ASSERT_TRUE(r.Entregado());
  EXPECT_TRUE(Existe(destino / kNombre));
  EXPECT_EQ(LeerArchivo(destino / kNombre), "");
}

TEST_F(Entrega, ReemplazaUnArchivoAnteriorDelMismoNombre) {
  EscribirArchivo(destino / kNombre, "viejo\r\n");
  EscribirArchivo(archivoTemporal, "nuevo\r\n");
  ASSERT_TRUE(EntregarArchivo(archivoTemporal, destino.Ruta(), kNombre).Entregado());
  EXPECT_EQ(LeerArchivo(destino / kNombre), "nuevo\r\n");
  EXPECT_EQ(Archivos(destino.Ruta()), std::vector<std::string>{kNombre});
}

TEST_F(Entrega, SinCarpetaDestinoNoSeEntrega) {
  EscribirArchivo(archivoTemporal, "x\r\n");
  const ResultadoEntrega r = EntregarArchivo(archivoTemporal, "", kNombre);
  EXPECT_EQ(r.estado, ResultadoEntrega::Estado::SinDestino);
  EXPECT_FALSE(r.error.HayError());
  EXPECT_TRUE(r.destino.empty());
}

TEST_F(Entrega, CarpetaInexistenteOBlancosFallaSinDejarNada) {
  EscribirArchivo(archivoTemporal, "x\r\n");
  for (const std::string& carpeta : {destino / "no_existe", std::string("   ")}) {
    const ResultadoEntrega r = EntregarArchivo(archivoTemporal, carpeta, kNombre);
    EXPECT_EQ(r.estado, ResultadoEntrega::Estado::Fallido) << carpeta;
    EXPECT_EQ(r.error.numero, errores::RutaNoEncontrada) << carpeta;
    // The message names the file the operator expects, not the hidden copy.
    EXPECT_NE(r.error.descripcion.find(ConBarraFinal(carpeta) + kNombre), std::string::npos) << r.error.descripcion;
    EXPECT_EQ(r.error.descripcion.find(".parcial"), std::string::npos) << r.error.descripcion;
  }
  EXPECT_TRUE(Archivos(destino.Ruta()).empty());
}

TEST_F(Entrega, TemporalInexistenteFallaYNoTocaElAnterior) {
  EscribirArchivo(destino / kNombre, "viejo\r\n");
  const ResultadoEntrega r = EntregarArchivo(temporal / "no_existe.TMP", destino.Ruta(), kNombre);
  EXPECT_EQ(r.estado, ResultadoEntrega::Estado::Fallido);
  EXPECT_EQ(r.error.numero, errores::RutaNoEncontrada);
  EXPECT_EQ(LeerArchivo(destino / kNombre), "viejo\r\n");
  EXPECT_EQ(Archivos(destino.Ruta()), std::vector<std::string>{kNombre});
}

// A copy that fails midway (the file size limit stands for a full disk):
// the older file stays whole and no partial copy is left.
TEST_F(Entrega, FallaALaMitadDeLaCopiaNoDejaArchivoParcial) {
  EscribirArchivo(destino / kNombre, "viejo\r\n");
  EscribirArchivo(archivoTemporal, std::string(4 << 20, 'v'));
  const pid_t hijo = fork();
  ASSERT_GE(hijo, 0);
  if (hijo == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limite{1 << 20, 1 << 20};
    setrlimit(RLIMIT_FSIZE, &limite);
    const ResultadoEntrega r = EntregarArchivo(archivoTemporal, destino.Ruta(), kNombre);
    _exit(r.estado == ResultadoEntrega::Estado::Fallido && r.error.HayError() ? 0 : 1);
  }
  int estado = 0;
  waitpid(hijo, &estado, 0);
  ASSERT_TRUE(WIFEXITED(estado));
  EXPECT_EQ(WEXITSTATUS(estado), 0) << "the failure was not reported";
  EXPECT_EQ(LeerArchivo(destino / kNombre), "viejo\r\n");
  EXPECT_EQ(Archivos(destino.Ruta()), std::vector<std::string>{kNombre});
}

// A process killed while delivering leaves either the older file or the
// complete new one under the final name, never a part of it.
TEST_F(Entrega, ProcesoTerminadoALaMitadNoDejaArchivoFinalParcial) {
  const std::string viejo = "viejo\r\n";
  const std::string nuevo(48 << 20, 'n');
  EscribirArchivo(archivoTemporal, nuevo);
  for (int intento = 0; intento < 3; ++intento) {
    EscribirArchivo(destino / kNombre, viejo);
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
      EntregarArchivo(archivoTemporal, destino.Ruta(), kNombre);
      _exit(0);
    }
    // Kill it as soon as the hidden copy shows up (or at once, the first time).
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (intento > 0 && std::chrono::steady_clock::now() < limite && Archivos(destino.Ruta()).size() < 2)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    kill(hijo, SIGKILL);
    int estado = 0;
    waitpid(hijo, &estado, 0);
    const std::string final = LeerArchivo(destino / kNombre);
    EXPECT_TRUE(final == viejo || final == nuevo) << "final file of " << final.size() << " bytes";
    for (const std::string& nombre : Archivos(destino.Ruta()))
      if (nombre != kNombre) {
        EXPECT_EQ(nombre.front(), '.') << nombre;  // only the hidden partial copy may remain
        fs::remove(destino / nombre);
      }
  }
}

}  // namespace
