#include "ServidorHttpPrueba.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

std::string Razon(int estado) {
  switch (estado) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

void EscribirTodo(int fd, const std::string& datos) {
  size_t hecho = 0;
  while (hecho < datos.size()) {
    const ssize_t n = ::send(fd, datos.data() + hecho, datos.size() - hecho, MSG_NOSIGNAL);
    if (n <= 0) return;
    hecho += size_t(n);
  }
}

}  // namespace

ServidorHttpPrueba::ServidorHttpPrueba() {
  escucha_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in dir{};
  dir.sin_family = AF_INET;
  dir.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  dir.sin_port = 0;
  socklen_t largo = sizeof dir;
  if (escucha_ < 0 || ::bind(escucha_, reinterpret_cast<sockaddr*>(&dir), sizeof dir) != 0 ||
      ::listen(escucha_, 8) != 0 || ::getsockname(escucha_, reinterpret_cast<sockaddr*>(&dir), &largo) != 0 ||
      ::pipe2(aviso_, O_CLOEXEC) != 0)
    throw std::runtime_error("no se pudo abrir el servidor de prueba");
  puerto_ = ntohs(dir.sin_port);
  hilo_ = std::thread([this] { Atender(); });
}

ServidorHttpPrueba::~ServidorHttpPrueba() {
  Detener();
  for (int fd : aviso_)
    if (fd >= 0) ::close(fd);
}

std::string ServidorHttpPrueba::Base() const { return "http://127.0.0.1:" + std::to_string(puerto_); }

void ServidorHttpPrueba::Fijar(Modo modo, int estado, std::string cuerpo) {
  std::lock_guard<std::mutex> l(m_);
  modo_ = modo;
  estado_ = estado;
  cuerpo_ = std::move(cuerpo);
}

void ServidorHttpPrueba::Responder(int estado, std::string cuerpo) {
  Fijar(Modo::Responder, estado, std::move(cuerpo));
}

std::vector<std::string> ServidorHttpPrueba::Pedidos() const {
  std::lock_guard<std::mutex> l(m_);
  return pedidos_;
}

void ServidorHttpPrueba::Detener() {
  if (detenido_.exchange(true)) return;
  const char c = 1;
  (void)!::write(aviso_[1], &c, 1);
  if (hilo_.joinable()) hilo_.join();
  ::close(escucha_);
  escucha_ = -1;
}

bool ServidorHttpPrueba::EsperarLectura(int fd) {
  pollfd fds[2] = {{fd, POLLIN, 0}, {aviso_[0], POLLIN, 0}};
  while (::poll(fds, 2, -1) < 0) {
  }
  return !(fds[1].revents & POLLIN);
}

void ServidorHttpPrueba::Atender() {
  while (EsperarLectura(escucha_)) {
    const int cliente = ::accept4(escucha_, nullptr, nullptr, SOCK_CLOEXEC);
    if (cliente < 0) continue;
    Servir(cliente);
    ::close(cliente);
  }
}

void ServidorHttpPrueba::Servir(int cliente) {
  std::string pedido;
  char buf[4096];
  while (pedido.find("\r\n\r\n") == std::string::npos) {
    if (!EsperarLectura(cliente)) return;
    const ssize_t n = ::recv(cliente, buf, sizeof buf, 0);
    if (n <= 0) return;
    pedido.append(buf, size_t(n));
  }
  // "GET <target> HTTP/1.1"
  const size_t inicio = pedido.find(' ') + 1, fin = pedido.find(' ', inicio);
  Modo modo;
  int estado;
  std::string cuerpo;
  {
    std::lock_guard<std::mutex> l(m_);
    pedidos_.push_back(pedido.substr(inicio, fin - inicio));
    modo = modo_;
    estado = estado_;
    cuerpo = cuerpo_;
  }
  if (modo == Modo::Cortar) return;
  if (modo == Modo::Retener) {
    // Until the client gives up (it reads as readable at its end) or the server stops.
    while (EsperarLectura(cliente) && ::recv(cliente, buf, sizeof buf, 0) > 0) {
    }
    return;
  }
  EscribirTodo(cliente, "HTTP/1.1 " + std::to_string(estado) + " " + Razon(estado) +
                            "\r\nContent-Type: application/json\r\nContent-Length: " + std::to_string(cuerpo.size()) +
                            "\r\nConnection: close\r\n\r\n" + cuerpo);
}
