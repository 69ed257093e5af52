// The capacity table, one row per central model.
#include "installation/model_capacities.h"

namespace ordalis {

namespace {

// clang-format off
constexpr ModelCapacities kCapacities[kCentralModelCount] = {
    //  Intf Relay Dim Sens Audio Mods LocRel Timed Flags ITE Cond Mot Clock
    {   99,  176, 120,  32,  32,  37,  144,   70,   40,  40,  30, 40, 100 },  // VORDANE
    {   40,  104,  40,  24,  16,  18,   72,   40,   30,  30,  25, 40, 100 },  // KESTRON
    {   10,   16,   8,   2,   2,   5,   16,   40,   30,  30,  25, 40, 100 },  // KESTRON Educational
    {   25,   96,  16,  18,  10,  14,   40,   30,   20,  20,  20, 30,  50 },  // PELVAN
    {   25,   96,  16,  10,  10,  14,   40,   30,   20,  20,  20, 30,  50 },  // DRAMEL
};
// clang-format on

}  // namespace

uint8_t effectiveModel(uint8_t modelByte) { return modelByte > kDramel ? static_cast<uint8_t>(kPelvan) : modelByte; }

const ModelCapacities& capacitiesOf(uint8_t model) { return kCapacities[effectiveModel(model)]; }

}  // namespace ordalis
