// Sections 0, 1 and 20: interfaces, the parameter byte of every dimmer
// output, and the output modules.
//
// Section 0 carries interfaces 0 to MaxInterfaces (MaxInterfaces + 1
// records of 35 bytes) while its length is (MaxInterfaces + 1) x 34: the
// central unit has always been given that length, so it stays, and the last
// MaxInterfaces + 1 bytes written are never sent. The decoder reads records
// of 35 bytes from whatever arrived; a record that did not arrive reads as
// zeros and so as an unused interface.
#include "image/image_sections.h"
#include "image/section_bytes.h"
#include "image/section_codecs.h"
#include "installation/output_numbering.h"

namespace ordalis {

namespace {

// Section 0 record: type, two parameters, then the four bytes of each button.
constexpr int kInterfaceType = 0;
constexpr int kInterfaceParameters = 1;
constexpr int kInterfaceButtons = 3;
constexpr int kButtonBytes = 4;

int carriedInterfaces(const Installation& installation) {
  return carried(installation.Capacities.MaxInterfaces + 1, installation.Interfaces);
}

int dimmerOutputs(const Installation& installation) {
  return std::max<int>(installation.Capacities.MaxDimmerOutputs, 0);
}

}  // namespace

void BuildInterfacesSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kInterfacesSection, installation.Capacities));
  for (int i = 0; i < carriedInterfaces(installation); ++i) {
    const Interface& interface = installation.Interfaces[i];
    const int at = i * kInterfaceRecord;
    out.byte(at + kInterfaceType, interface.ModuleType);
    out.bytes(at + kInterfaceParameters, interface.Parameters);
    for (int j = 0; j < kButtonsPerInterface; ++j) {
      const InterfaceButton& button = interface.Buttons[j];
      const int b = at + kInterfaceButtons + kButtonBytes * j;
      out.bytes(b, std::array<uint8_t, kButtonBytes>{button.FirstType, button.FirstNumber,
                                                     button.SecondType, button.SecondNumber});
    }
  }
}

void DecodeInterfacesSection(const ImageArea& receive, Installation& installation,
                             const DefaultNames& names) {
  const SectionReader in(receive);
  for (int i = 0; i < carriedInterfaces(installation); ++i) {
    Interface& interface = installation.Interfaces[i];
    const int at = i * kInterfaceRecord;
    interface.ModuleType = in.byte(at + kInterfaceType);
    in.bytes(at + kInterfaceParameters, interface.Parameters);
    for (int j = 0; j < kButtonsPerInterface; ++j) {
      InterfaceButton& button = interface.Buttons[j];
      const int b = at + kInterfaceButtons + kButtonBytes * j;
      button.FirstType = in.byte(b);
      button.FirstNumber = in.byte(b + 1);
      button.SecondType = in.byte(b + 2);
      button.SecondNumber = in.byte(b + 3);
    }
    if (interface.ModuleType != 0) interface.Name = names(kInterfaceNameText, i);
  }
}

// Byte n - 1 is the parameter byte of dimmer output n, 0 when no dimmer
// module covers that output.
void BuildDimmerOutputsSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kDimmerOutputsSection, installation.Capacities));
  for (int n = 1; n <= dimmerOutputs(installation); ++n) {
    const ModuleOutput* output = locateOutput(installation, kDimmerModuleGroup, n);
    out.byte(n - 1, output ? output->Parameter : 0);
  }
}

// Needs the output modules decoded first (section 20) to find the outputs;
// the byte of an output that no module covers has nowhere to go.
void DecodeDimmerOutputsSection(const ImageArea& receive, Installation& installation,
                                const DefaultNames&) {
  const SectionReader in(receive);
  for (int n = 1; n <= dimmerOutputs(installation); ++n) {
    // locateOutput finds the output inside `installation`, which we may change.
    auto* output = const_cast<ModuleOutput*>(locateOutput(installation, kDimmerModuleGroup, n));
    if (output != nullptr) output->Parameter = in.byte(n - 1);
  }
}

void BuildOutputModulesSection(ImageArea& build, const Installation& installation) {
  SectionWriter out(build, SectionLength(kOutputModuleSection, installation.Capacities));
  const int count = carried(installation.Capacities.MaxOutputModules, installation.OutputModules);
  for (int i = 0; i < count; ++i) {
    const OutputModule& module = installation.OutputModules[i];
    out.byte(i * kOutputModuleRecord, module.ModuleType);
    out.byte(i * kOutputModuleRecord + 1, module.Address);
  }
}

namespace {

// The outputs of a relay or dimmer module get numbered names ("Relays 17"),
// so that lines can still be made and read for them: the image names none.
void nameOutputs(OutputModule& module, const DefaultNames& names) {
  const int group = moduleGroupOf(module.ModuleType);
  if (group != kRelayModuleGroup && group != kDimmerModuleGroup) return;
  const int text = group == kRelayModuleGroup ? kRelayOutputNameText : kDimmerOutputNameText;
  for (int k = 0; k < kOutputsPerModule; ++k)
    module.Outputs[k].Name = names(text, module.Address * kOutputsPerModule + k + 1);
}

}  // namespace

// Modules in use are named like interfaces ("Interface 3"): the central
// unit's numbering of its modules, the same text for both sections.
void DecodeOutputModulesSection(const ImageArea& receive, Installation& installation,
                                const DefaultNames& names) {
  const SectionReader in(receive);
  const int count = carried(installation.Capacities.MaxOutputModules, installation.OutputModules);
  for (int i = 0; i < count; ++i) {
    OutputModule& module = installation.OutputModules[i];
    module.ModuleType = in.byte(i * kOutputModuleRecord);
    module.Address = in.byte(i * kOutputModuleRecord + 1);
    if (module.ModuleType != 0) module.Name = names(kInterfaceNameText, i);
    nameOutputs(module, names);
  }
}

}  // namespace ordalis
