// The data folder, named the same whichever program asks.
#include "base/qt/data_folder.h"

#include <QStandardPaths>

namespace ordalis {

std::filesystem::path transferLogPath() {
  // The generic folder with the program's name: what AppDataLocation gives
  // the program, and the same for the CLI whose application name differs.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return std::filesystem::path(folder.toStdString()) / "Ordalis" / "transfers.log";
}

}  // namespace ordalis
