#include "support/http_test_server.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace veltrane::test {

HttpTestServer::HttpTestServer() : server_(new QTcpServer(this)) {
  server_->listen(QHostAddress::LocalHost);
  connect(server_, &QTcpServer::newConnection, this, [this] {
    while (QTcpSocket* socket = server_->nextPendingConnection()) {
      socket->setParent(this);
      connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
    }
  });
}

std::string HttpTestServer::Base() const {
  return "http://127.0.0.1:" + std::to_string(server_->serverPort()) + "/";
}

void HttpTestServer::Answer(int status, std::string body, bool announceLength) {
  status_ = status;
  body_ = std::move(body);
  announceLength_ = announceLength;
  silent_ = false;
}

void HttpTestServer::Silence() { silent_ = true; }

void HttpTestServer::Serve(QTcpSocket* socket) {
  // The request so far rides on the socket until its head is whole.
  const QByteArray request = socket->property("request").toByteArray() + socket->readAll();
  socket->setProperty("request", request);
  if (!request.contains("\r\n\r\n")) return;
  const QList<QByteArray> firstLine = request.left(request.indexOf("\r\n")).split(' ');
  if (firstLine.size() > 1) paths.push_back(firstLine[1].toStdString());
  if (silent_) return;
  std::string head = "HTTP/1.1 " + std::to_string(status_) + (status_ == 200 ? " OK" : " Error") + "\r\n";
  if (announceLength_) head += "Content-Length: " + std::to_string(body_.size()) + "\r\n";
  head += "Connection: close\r\n\r\n";
  socket->write(head.data(), static_cast<qint64>(head.size()));
  socket->write(body_.data(), static_cast<qint64>(body_.size()));
  socket->disconnectFromHost();
}

}  // namespace veltrane::test
