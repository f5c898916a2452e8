// A real IPP Everywhere printer for tests: ippeveprinter on loopback, run in
// the network namespace of tests/fixtures/dnssd-namespace.sh (it will not
// start without a DNS-SD daemon), stopped by its PID with its owner.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace veltrim::test {

class IppTestPrinter {
 public:
  // `name` is the printer's DNS-SD name; `options` go to ippeveprinter
  // before it (-2, -f formats, -c script, -F, -s ...). Its spool folder (-d,
  // with -k kept jobs) is `spool`. Throws when it does not answer within
  // ten seconds, with its log.
  IppTestPrinter(std::string name, int port, std::vector<std::string> options, std::filesystem::path spool);
  ~IppTestPrinter();
  IppTestPrinter(const IppTestPrinter&) = delete;
  IppTestPrinter& operator=(const IppTestPrinter&) = delete;

  // ipp://localhost:PORT/ipp/print
  std::string Uri() const;
  const std::string& Name() const { return name_; }
  // The documents it kept (-k), oldest first.
  std::vector<std::filesystem::path> KeptDocuments() const;
  std::string Log() const;

 private:
  std::string name_;
  int port_;
  std::filesystem::path spool_;
  std::filesystem::path log_;
  pid_t pid_ = -1;
};

}  // namespace veltrim::test
