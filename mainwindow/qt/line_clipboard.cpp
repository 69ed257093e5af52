// The system clipboard's side of a copied clock line.
#include "mainwindow/qt/line_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace ordalis {

void PutLineOnClipboard(const CopiedLine& copied, const std::string& text) {
  const std::vector<uint8_t> bytes = EncodeCopiedLine(copied);
  auto* data = new QMimeData;
  data->setData(kClockLineMimeType,
                QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
  data->setText(QString::fromStdString(text));
  QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<CopiedLine> LineOnClipboard() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kClockLineMimeType)) return std::nullopt;
  const QByteArray bytes = data->data(kClockLineMimeType);
  return DecodeCopiedLine(std::vector<uint8_t>(bytes.begin(), bytes.end()));
}

}  // namespace ordalis
