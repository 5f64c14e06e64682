#include "update/update_servers.h"

namespace veltrane {

std::array<UpdateServer, 2> DefaultUpdateServers() {
  return {{
      {"Main", "https://veltrane.example.org/update/", "https://veltrane.example.org/news.html",
       "https://veltrane.example.org/download/veltrane.deb"},
      {"Mirror", "https://mirror.veltrane.example.net/update/", "https://mirror.veltrane.example.net/news.html",
       "https://mirror.veltrane.example.net/download/veltrane.deb"},
  }};
}

std::string VersionFileAddress(const std::string& base) {
  if (!base.empty() && base.back() == '/') return base + "Veltrane.ini";
  return base + "/Veltrane.ini";
}

bool IsWebAddress(const std::string& address) {
  for (const std::string scheme : {"http://", "https://"}) {
    if (address.size() > scheme.size() && address.compare(0, scheme.size(), scheme) == 0 &&
        address[scheme.size()] != '/' && address.find_first_of(" \t\r\n") == std::string::npos)
      return true;
  }
  return false;
}

}  // namespace veltrane
