// ordalis-sim: a simulated central unit on a pseudo-terminal, for trying the
// program without hardware and for end-to-end tests. Prints the device path
// to open, then answers the block protocol, the on-line frames and AT lines
// until it is stopped (SIGINT / SIGTERM).
#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <unistd.h>

#include "ordalis_version.h"
#include "tools/fixtures/simulated_central.h"
#include "tools/sim/preload.h"
#include "tools/sim/pty_line.h"

using namespace ordalis;
using namespace ordalis::sim;

namespace {

volatile std::sig_atomic_t g_stop = 0;  // set by the signal handler only

void requestStop(int) { g_stop = 1; }

struct SimOptions {
  int model = 0;
  int32_t baud = 19200;
  std::string nbt, clk, link, log;
  int challenge = 0x3C;
};

void addFaultOptions(CLI::App& app, fixtures::CentralFaults& faults) {
  app.add_flag("--no-answer", faults.noAnswer, "Answer nothing at all");
  app.add_flag("--wrong-identification", faults.wrongIdentification, "Greet with KVC instead of KVB");
  app.add_flag("--wrong-model", faults.wrongModel, "Report another central model");
  app.add_flag("--wrong-version", faults.wrongVersion, "Report protocol version 32");
  app.add_flag("--refuse-challenge", faults.refuseChallenge, "Refuse every challenge reply");
  app.add_flag("--silent-after-challenge", faults.silentAfterChallenge, "Never answer the challenge reply");
  app.add_flag("--no-echo", faults.noEcho, "Do not echo section requests");
  app.add_flag("--wrong-echo", faults.wrongEcho, "Echo section requests wrongly");
  app.add_flag("--no-end", faults.noEnd, "Do not answer the end marker");
  app.add_flag("--bad-end", faults.badEnd, "Answer the end marker with 0x61");
  app.add_flag("--endless-packets", faults.endlessPackets, "Never end a section being read");
  app.add_flag("--store-different", faults.storeDifferent, "Keep a sent clock table with one level changed");
  app.add_option("--drop-ack", faults.dropAck, "Leave the n-th acknowledgement out (from 1)");
  app.add_option("--wrong-ack", faults.wrongAck, "Answer the n-th packet with E0");
  app.add_option("--corrupt-packet", faults.corruptPacket, "Send the n-th packet with a wrong checksum");
  app.add_option("--modem-error", faults.modemErrorOn, "Answer ERROR to AT lines starting with this text");
}

void writeLog(std::ofstream& log, SteadyTime start, bool fromProgram, uint8_t byte, SteadyTime at) {
  double seconds = std::chrono::duration<double>(at - start).count();
  log << std::fixed << std::setprecision(6) << seconds << (fromProgram ? " PC> " : " <CU ") << std::hex
      << std::setw(2) << std::setfill('0') << int(byte) << std::dec << std::setfill(' ') << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"ordalis-sim: a simulated KVB central unit on a pseudo-terminal"};
  app.set_version_flag("--version", std::string("ordalis-sim ") + ORDALIS_VERSION);
  app.footer("Prints the device to open, then answers until SIGINT or SIGTERM.\n"
             "Exit status: 0 stopped by a signal, 1 a file could not be read or the\n"
             "pseudo-terminal could not be made, 2 a usage error (CLI11 reports\n"
             "usage errors with its own codes above 100).");
  SimOptions options;
  fixtures::CentralFaults faults;
  app.add_option("--model", options.model, "Central model 0 to 4 (default: the installation's)")->check(CLI::Range(0, 4));
  app.add_option("--baud", options.baud, "Baud rate of the simulated line")->check(CLI::PositiveNumber);
  app.add_option("--nbt", options.nbt, "Installation file that fills the memory")->check(CLI::ExistingFile);
  app.add_option("--clk", options.clk, "Clock file that fills section 18")->check(CLI::ExistingFile);
  app.add_option("--link", options.link, "Make a symbolic link with this name to the device");
  app.add_option("--log", options.log, "Write the traffic to this file");
  app.add_option("--challenge", options.challenge, "The first challenge byte")->check(CLI::Range(0, 255));
  addFaultOptions(app, faults);
  CLI11_PARSE(app, argc, argv);

  fixtures::CentralMemory memory;
  std::optional<uint8_t> model = options.model;
  if (app.count("--model") == 0) model.reset();
  std::string problem = PreloadMemory(options.nbt, options.clk, model, memory);
  if (!problem.empty()) {
    std::cerr << problem << "\n";
    return 1;
  }

  try {
    PtyLine line(options.baud);
    fixtures::SimulatedCentral central(model.value_or(0), [&line](uint8_t byte) { line.send(byte); });
    central.faults = faults;
    central.memory = memory;
    central.challenge = static_cast<uint8_t>(options.challenge);
    std::ofstream log;
    SteadyTime start = std::chrono::steady_clock::now();
    if (!options.log.empty()) {
      log.open(options.log);
      line.onTraffic = [&](bool fromProgram, uint8_t byte, SteadyTime at) { writeLog(log, start, fromProgram, byte, at); };
    }
    if (!options.link.empty()) {
      ::unlink(options.link.c_str());
      if (::symlink(line.devicePath().c_str(), options.link.c_str()) != 0) {
        std::cerr << "cannot make the link " << options.link << "\n";
        return 1;
      }
    }
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    std::cout << line.devicePath() << std::endl;
    line.run([&central](uint8_t byte, SteadyTime at) { central.receive(byte, Monotonic{} + at.time_since_epoch()); },
             [] { return g_stop == 0; });
    if (!options.link.empty()) ::unlink(options.link.c_str());
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
