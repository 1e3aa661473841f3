#include "ServidorTdsDePrueba.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "sivlib/Utf8.h"

namespace {

constexpr auto kPlazo = std::chrono::seconds(30);  // only against a hang

// UTF-16LE (the protocol's texts) to UTF-8.
std::string DeUtf16(const std::string& bytes) {
  std::string s;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    utf8::AgregarCodigo(s, char32_t(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8)));
  return s;
}

uint16_t Le16(const std::string& d, size_t p) { return uint16_t(uint8_t(d[p]) | (uint8_t(d[p + 1]) << 8)); }
uint32_t Le32(const std::string& d, size_t p) { return uint32_t(Le16(d, p)) | uint32_t(Le16(d, p + 2)) << 16; }

void Enviar(int fd, const std::string& datos) {
  std::string paquete = {0x04, 0x01, char((datos.size() + 8) >> 8), char((datos.size() + 8) & 0xff), 0, 0, 1, 0};
  paquete += datos;
  (void)!send(fd, paquete.data(), paquete.size(), MSG_NOSIGNAL);
}

// Pre-login answer: version 12.0.2000, encryption not supported.
std::string PreLogin() {
  const char opciones[] = {0x00, 0x00, 0x0B, 0x00, 0x06, 0x01, 0x00, 0x11, 0x00, 0x01, char(0xFF)};
  const char valores[] = {0x0C, 0x00, 0x07, char(0xD0), 0x00, 0x00, 0x02};
  return std::string(opciones, sizeof opciones) + std::string(valores, sizeof valores);
}

std::string Hecho() { return std::string("\xFD", 1) + std::string(12, '\0'); }
// The acknowledgement of a cancel (attention): a DONE with its DONE_ATTN
// status. Without it the client waits for its time-out before it closes.
std::string AtencionAtendida() { return std::string("\xFD\x20", 2) + std::string(11, '\0'); }

std::string Le(uint64_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += char((v >> (8 * i)) & 0xff);
  return s;
}

// One int column "n" with the rows 1..filas, then the count.
std::string Filas(int filas) {
  std::string r = std::string("\x81", 1) + Le(1, 2) + Le(0, 4) + Le(0, 2) + "\x38" + Le(1, 1) + std::string("n\0", 2);
  for (int i = 1; i <= filas; ++i) r += std::string("\xD1", 1) + Le(uint64_t(i), 4);
  return r + std::string("\xFD", 1) + Le(0x10, 2) + Le(0xC1, 2) + Le(uint64_t(filas), 8);
}

// LOGINACK (interface 1, TDS 7.4, program "Prueba" 16.0) and DONE.
std::string AceptarLogin() {
  std::string cuerpo = {0x01, 0x74, 0x00, 0x00, 0x04, 6};
  for (char c : std::string("Prueba")) cuerpo += {c, 0};
  cuerpo += {16, 0, 0, 0};
  return std::string("\xAD", 1) + char(cuerpo.size() & 0xff) + char(cuerpo.size() >> 8) + cuerpo + Hecho();
}

}  // namespace

ServidorTdsDePrueba::ServidorTdsDePrueba(Modo modo, int filasPorSelect) : modo_(modo), filas_(filasPorSelect) {
  escucha_ = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t largo = sizeof a;
  if (escucha_ < 0 || bind(escucha_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(escucha_, 1) != 0 ||
      getsockname(escucha_, reinterpret_cast<sockaddr*>(&a), &largo) != 0)
    return;
  puerto_ = ntohs(a.sin_port);
  hilo_ = std::thread([this] { Atender(); });
}

ServidorTdsDePrueba::~ServidorTdsDePrueba() {
  Terminar();
  if (escucha_ >= 0) close(escucha_);
}

void ServidorTdsDePrueba::Terminar() {
  if (hilo_.joinable()) hilo_.join();
}

ServidorTdsDePrueba::Login ServidorTdsDePrueba::LoginRecibido() {
  Terminar();
  std::lock_guard l(m_);
  return login_;
}

std::vector<std::string> ServidorTdsDePrueba::Lotes() {
  Terminar();
  std::lock_guard l(m_);
  return lotes_;
}

// One whole message (its packets up to the one marked last); false when
// the client is gone or the bound has passed.
bool ServidorTdsDePrueba::LeerMensaje(int fd, uint8_t& tipo, std::string& datos) {
  const auto fin = std::chrono::steady_clock::now() + kPlazo;
  auto leer = [&](size_t n, std::string& destino) {
    destino.clear();
    while (destino.size() < n) {
      pollfd p{fd, POLLIN, 0};
      if (std::chrono::steady_clock::now() > fin || poll(&p, 1, 100) < 0) return false;
      if (!(p.revents & (POLLIN | POLLHUP))) continue;
      char buf[4096];
      const ssize_t r = recv(fd, buf, std::min(sizeof buf, n - destino.size()), 0);
      if (r <= 0) return false;
      destino.append(buf, size_t(r));
    }
    return true;
  };
  datos.clear();
  for (;;) {
    std::string cabecera, cuerpo;
    if (!leer(8, cabecera)) return false;
    const size_t largo = (uint8_t(cabecera[2]) << 8) | uint8_t(cabecera[3]);
    if (largo < 8 || !leer(largo - 8, cuerpo)) return false;
    tipo = uint8_t(cabecera[0]);
    datos += cuerpo;
    if (cabecera[1] & 0x01) return true;
  }
}

void ServidorTdsDePrueba::Atender() {
  pollfd p{escucha_, POLLIN, 0};
  if (poll(&p, 1, int(std::chrono::milliseconds(kPlazo).count())) <= 0) return;
  const int fd = accept(escucha_, nullptr, nullptr);
  if (fd < 0) return;
  uint8_t tipo = 0;
  std::string d;
  if (LeerMensaje(fd, tipo, d) && tipo == 0x12) Enviar(fd, PreLogin());
  if (LeerMensaje(fd, tipo, d) && tipo == 0x10 && d.size() >= 72) {
    // The variable part: offset and length (in characters) of each text.
    auto texto = [&](int i) { return DeUtf16(d.substr(Le16(d, 36 + 4 * i), 2 * size_t(Le16(d, 38 + 4 * i)))); };
    std::lock_guard l(m_);
    login_.recibido = true;
    login_.version = Le32(d, 4);
    login_.usuario = texto(1);
    login_.aplicacion = texto(3);
    login_.servidor = texto(4);
    login_.biblioteca = texto(6);
    login_.idioma = texto(7);
    login_.base = texto(8);
  }
  if (modo_ == Modo::AceptaLogin && login_.recibido) {
    Enviar(fd, AceptarLogin());
    while (LeerMensaje(fd, tipo, d)) {
      std::string texto;
      if (tipo == 0x01 && d.size() >= 4) {  // SQL batch: its headers, then the text
        texto = DeUtf16(d.substr(std::min<size_t>(Le32(d, 0), d.size())));
        std::lock_guard l(m_);
        lotes_.push_back(texto);
      }
      if (tipo == 0x06) Enviar(fd, AtencionAtendida());
      else Enviar(fd, texto.rfind("SELECT", 0) == 0 ? Filas(filas_) : Hecho());
    }
  }
  close(fd);
}
