#include "support/PuertoCerrado.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

PuertoCerrado::PuertoCerrado() {
  socket_ = socket(AF_INET, SOCK_STREAM, 0);
  if (socket_ < 0) return;
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t largo = sizeof a;
  if (bind(socket_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      getsockname(socket_, reinterpret_cast<sockaddr*>(&a), &largo) == 0)
    numero_ = ntohs(a.sin_port);
}

PuertoCerrado::~PuertoCerrado() {
  if (socket_ >= 0) close(socket_);
}
