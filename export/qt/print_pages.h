// The printed schedule: for each week asked for, one landscape page with a
// header and the week as the week view draws it, legend included; then the
// list of every line in use, grouped by table. Print, the print preview and
// the PDF export all paint these pages.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include "week/clock_parts.h"

class QPagedPaintDevice;

namespace ordalis {

struct PrintJob {
  ClockParts parts;      // read only: the pages change nothing in it
  QDate firstMonday;     // the first week printed
  int weeks = 1;         // how many weeks, one page each
  QDateTime printedAt;   // the date the header names
};

// Paints every page of the job on the device, starting on its current page,
// and returns how many pages it painted. The device's page layout (paper,
// orientation, margins) is the caller's choice; the pages scale to it.
int PaintPrintJob(QPagedPaintDevice& device, const PrintJob& job);

// The week number and dates of the header: "Week 23: 02-06-2025 - 08-06-2025".
QString WeekTitle(const Texts& texts, QDate monday);

}  // namespace ordalis
