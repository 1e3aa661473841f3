// File helpers on real files, and the opener started as a real process.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "services/Archivos.h"
#include "support/CarpetaPrueba.h"

namespace {

std::string Bytes(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 131 + i / 7) & 0xFF);
  return s;
}

TEST(Archivos, ExisteArchivoOnlyForReadableFiles) {
  CarpetaPrueba dir;
  EscribirArchivo(dir / "a.txt", "x");
  EXPECT_TRUE(ExisteArchivo(dir / "a.txt"));
  EXPECT_FALSE(ExisteArchivo(dir / "no.txt"));
  EXPECT_FALSE(ExisteArchivo(dir.Ruta())) << "a folder is no file";
  EXPECT_FALSE(ExisteArchivo(""));
}

TEST(Archivos, CopiesEverySizeByteForByte) {
  CarpetaPrueba dir;
  for (size_t largo :
       {size_t(0), size_t(1), size_t(16384), size_t(32767), size_t(32768), size_t(70000), size_t(3 * 32768 + 5)}) {
    const std::string datos = Bytes(largo);
    EscribirArchivo(dir / "origen.bin", datos);
    EscribirArchivo(dir / "destino.bin", std::string(100000, 'z'));
    EXPECT_TRUE(CopiarArchivo(dir / "origen.bin", dir / "destino.bin")) << largo;
    EXPECT_EQ(LeerArchivo(dir / "destino.bin"), datos) << largo << " bytes: the old, longer content is gone";
  }
}

TEST(Archivos, MissingSourceLeavesTheDestinationUntouched) {
  CarpetaPrueba dir;
  EscribirArchivo(dir / "destino.bin", "previo");
  EXPECT_FALSE(CopiarArchivo(dir / "no.bin", dir / "destino.bin"));
  EXPECT_EQ(LeerArchivo(dir / "destino.bin"), "previo");
}

TEST(Archivos, CopyOntoItselfKeepsTheFile) {
  CarpetaPrueba dir;
  const std::string datos = Bytes(70000);
  EscribirArchivo(dir / "origen.bin", datos);
  std::filesystem::create_directory(dir / "sub");
  EXPECT_TRUE(CopiarArchivo(dir / "origen.bin", dir / "sub/../origen.bin"));
  EXPECT_EQ(LeerArchivo(dir / "origen.bin"), datos);
}

TEST(Archivos, DestinationThatCannotBeWrittenFails) {
  CarpetaPrueba dir;
  EscribirArchivo(dir / "origen.bin", "datos");
  EXPECT_FALSE(CopiarArchivo(dir / "origen.bin", dir / "no_existe/destino.bin"));
}

TEST(Archivos, DocumentTextIsQuotedWhenItHasBlanks) {
  EXPECT_EQ(archivos::TextoDocumento("C:\\Program Files\\x.log"), "\"C:\\Program Files\\x.log\"");
  EXPECT_EQ(archivos::TextoDocumento("Taskschd.msc"), "Taskschd.msc");
  EXPECT_EQ(archivos::TextoDocumento("\"ya entre comillas\" arg"), "\"ya entre comillas\" arg");
}

// The desktop's opener, replaced by a script that writes down its argument.
TEST(Archivos, AbrirDocumentoHandsThePathToTheOpener) {
  CarpetaPrueba dir;
  CarpetaProgramas programas;
  const std::string abridor = programas / "xdg-open";
  EscribirArchivo(abridor, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + dir.Ruta() + "abierto.tmp\"\nmv \"" + dir.Ruta() +
                               "abierto.tmp\" \"" + dir.Ruta() + "abierto.txt\"\n");
  chmod(abridor.c_str(), 0755);
  const char* pathPrevio = std::getenv("PATH");
  const std::string previo = pathPrevio ? pathPrevio : "";
  setenv("PATH", (programas.Ruta() + ":" + previo).c_str(), 1);
  const std::string documento = dir / "mi carpeta/informe final.log";
  AbrirDocumento(documento, true);
  setenv("PATH", previo.c_str(), 1);
  // Generous: only to prove that the opener ran.
  for (int i = 0; i < 1200 && !Existe(dir / "abierto.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(LeerArchivo(dir / "abierto.txt"), documento);
}

}  // namespace
