// with_private_cups FOLDER JOBS COMMAND: runs COMMAND against a scheduler of its own with
// one raw queue, "Laser", and writes the jobs it received into FOLDER (1.job, 2.job, ...).
// Exits 1 when fewer than JOBS arrived within a minute or the command failed.
#include <fstream>
#include <iostream>

#include "private_cups.h"

int main(int argc, char** argv) {
  if (argc != 4) return std::cerr << "uso: with_private_cups PASTA TRABALHOS COMANDO\n", 2;
  PrivateCups cups;
  if (!cups.failure().empty() || !cups.addRawQueue("Laser")) return std::cerr << cups.failure() << "\n", 1;
  // The whole command line, every program in it, prints there.
  setenv("CUPS_SERVER", cups.server().c_str(), 1);
  const bool ran = std::system(argv[3]) == 0;
  const std::vector<CapturedJob> jobs = cups.waitForJobs(std::stoul(argv[2]), std::chrono::seconds(60));
  for (size_t i = 0; i < jobs.size(); ++i) {
    std::ofstream(std::string(argv[1]) + "/" + std::to_string(i + 1) + ".job", std::ios::binary) << jobs[i].bytes;
  }
  return ran && jobs.size() >= std::stoul(argv[2]) ? 0 : 1;
}
