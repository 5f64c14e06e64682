#pragma once
// A web server inside the test process on 127.0.0.1: answers every request with the status and
// body the test sets, or keeps silent, and remembers the paths asked for.
#include <QObject>
#include <string>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace veltrane::test {

class HttpTestServer : public QObject {
 public:
  HttpTestServer();
  // "http://127.0.0.1:PORT/"
  std::string Base() const;
  // Every later request is answered so; without the length the body ends when the server closes.
  void Answer(int status, std::string body, bool announceLength = true);
  // Every later request gets no answer at all.
  void Silence();

  std::vector<std::string> paths;

 private:
  void Serve(QTcpSocket* socket);

  QTcpServer* server_;
  int status_ = 200;
  std::string body_;
  bool announceLength_ = true;
  bool silent_ = false;
};

}  // namespace veltrane::test
