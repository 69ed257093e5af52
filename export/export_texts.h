// The numbers of the texts that the print and export parts show.
#pragma once

namespace ordalis {

enum ExportTextId : int {
  kExportTitleText = 1251,
  kExportFormatText = 1252,
  kPdfFormatText = 1253,
  kICalendarFormatText = 1254,
  kLinesCsvFormatText = 1255,
  kFiringsCsvFormatText = 1256,
  kWeeksText = 1257,
  kFromText = 1258,
  kToText = 1259,
  kLineColumnText = 1260,
  kTableColumnText = 1261,
  kDateColumnText = 1262,
  kTimeColumnText = 1263,
  kRepeatUnitColumnText = 1264,
  kRepeatCountColumnText = 1265,
  kFunctionCodeColumnText = 1266,
  kFunctionColumnText = 1267,
  kLevelColumnText = 1268,
  kInstallationFileText = 1269,
  kClockFileText = 1270,
  kWeekText = 1271,
  kPrintedOnText = 1272,
  kClockLinesText = 1273,
  kRepeatColumnText = 1274,
  kExportFailedText = 1275,
};

}  // namespace ordalis
