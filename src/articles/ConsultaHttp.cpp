#include "articles/ConsultaHttp.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QStringDecoder>
#include <QUrl>

#include "sivlib/CodigoAnsi.h"

namespace {

void AsegurarAplicacion() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char nombre[] = "ut_vorna";
  static char* argv[] = {nombre, nullptr};
  static QCoreApplication* aplicacion = new QCoreApplication(argc, argv);
  (void)aplicacion;
}

// The maker's older servers answer in their Windows code page.
std::string ComoTexto(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString texto = utf8(bytes);
  return utf8.hasError() ? ansi::HaciaUtf8(bytes.toStdString()) : texto.toStdString();
}

RespuestaHttp Fallo(RespuestaHttp::Resultado resultado, std::string error) {
  RespuestaHttp r;
  r.resultado = resultado;
  r.error = std::move(error);
  return r;
}

RespuestaHttp Leer(QNetworkReply& respuesta) {
  const QVariant estado = respuesta.attribute(QNetworkRequest::HttpStatusCodeAttribute);
  // Without a status no HTTP reply arrived (refused, reset, no route...).
  if (!estado.isValid()) return Fallo(RespuestaHttp::Resultado::FalloRed, respuesta.errorString().toStdString());
  RespuestaHttp r;
  r.resultado = RespuestaHttp::Resultado::Recibida;
  r.estado = estado.toInt();
  r.razon = respuesta.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray().toStdString();
  r.cuerpo = ComoTexto(respuesta.readAll());
  return r;
}

}  // namespace

RespuestaHttp ObtenerHttp(const std::string& direccion, std::chrono::milliseconds espera) {
  const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(direccion), QUrl::StrictMode);
  if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https"))
    return Fallo(RespuestaHttp::Resultado::FalloRed, "direccion no valida: " + direccion);
  AsegurarAplicacion();

  QNetworkAccessManager red;
  QNetworkRequest pedido(url);
  QNetworkReply* respuesta = red.get(pedido);
  QEventLoop bucle;
  QTimer plazo;
  plazo.setSingleShot(true);
  bool agotado = false;
  QObject::connect(respuesta, &QNetworkReply::finished, &bucle, &QEventLoop::quit);
  QObject::connect(&plazo, &QTimer::timeout, &bucle, [&] {
    agotado = true;
    bucle.quit();
  });
  plazo.start(espera);
  if (!respuesta->isFinished()) bucle.exec();

  RespuestaHttp r =
      agotado && !respuesta->isFinished() ? Fallo(RespuestaHttp::Resultado::TiempoAgotado, "") : Leer(*respuesta);
  respuesta->abort();
  delete respuesta;
  return r;
}
