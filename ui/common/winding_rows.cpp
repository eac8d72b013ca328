#include "ui/common/winding_rows.h"

#include <algorithm>

#include <QSettings>

#include "ui/common/utf8.h"
#include "values/setting_rule.h"

namespace ui {

namespace {

// Under the program's own name, as the other settings.
const QString kStoredName = QStringLiteral("transformer-sizer");
const QString kFirstKey = QStringLiteral("windings/first");
const QString kRowsKey = QStringLiteral("windings/rows");
const QString kDiodeKey = QStringLiteral("windings/diode");

QString CodeOf(windings::Kind kind) { return FromUtf8(windings::FactsOf(kind).code); }

windings::Kind KindOf(const QVariant& stored) {
  return windings::FindKind(stored.toString().toStdString()).value_or(windings::Kind::Ac);
}

}  // namespace

bool AsksAllWindings(const WindingRows& rows) {
  return rows.first != windings::Kind::Ac || !rows.further.empty();
}

std::optional<double> CellNumber(const QString& text) {
  return values::ReadSettingNumber(text.toStdString());
}

windings::Request RequestOf(const WindingRows& rows) {
  windings::Request request{.first = rows.first, .further = {}};
  for (const WindingRow& row : rows.further) {
    request.further.push_back({.voltage = CellNumber(row.voltage).value_or(0),
                               .current = CellNumber(row.current).value_or(0),
                               .kind = row.kind});
  }
  return request;
}

WindingRows RowsOf(const windings::Request& request) {
  WindingRows rows{.first = request.first, .further = {}};
  for (const windings::Secondary& given : request.further) {
    rows.further.push_back({.voltage = FromUtf8(values::ShortestText(given.voltage)),
                            .current = FromUtf8(values::ShortestText(given.current)),
                            .kind = given.kind});
  }
  return rows;
}

WindingRows LoadRows() {
  QSettings stored(kStoredName, kStoredName);
  WindingRows rows;
  rows.first = KindOf(stored.value(kFirstKey));
  const int count = stored.beginReadArray(kRowsKey);
  const int kept = std::min(count, static_cast<int>(windings::kMaxSecondaries) - 1);
  for (int k = 0; k < kept; ++k) {
    stored.setArrayIndex(k);
    rows.further.push_back({stored.value(QStringLiteral("U")).toString(),
                            stored.value(QStringLiteral("I")).toString(),
                            KindOf(stored.value(QStringLiteral("kind")))});
  }
  stored.endArray();
  return rows;
}

void StoreRows(const WindingRows& rows) {
  QSettings stored(kStoredName, kStoredName);
  stored.setValue(kFirstKey, CodeOf(rows.first));
  stored.remove(kRowsKey);
  stored.beginWriteArray(kRowsKey, static_cast<int>(rows.further.size()));
  for (std::size_t k = 0; k < rows.further.size(); ++k) {
    stored.setArrayIndex(static_cast<int>(k));
    stored.setValue(QStringLiteral("U"), rows.further[k].voltage);
    stored.setValue(QStringLiteral("I"), rows.further[k].current);
    stored.setValue(QStringLiteral("kind"), CodeOf(rows.further[k].kind));
  }
  stored.endArray();
}

windings::Settings LoadRectifier() {
  windings::Settings settings;
  const QVariant text = QSettings(kStoredName, kStoredName).value(kDiodeKey);
  if (text.isValid()) {
    windings::SetFromText(settings, windings::Setting::Diode, text.toString().toStdString());
  }
  return settings;
}

void StoreRectifier(const windings::Settings& settings) {
  QSettings(kStoredName, kStoredName)
      .setValue(kDiodeKey, FromUtf8(values::ShortestText(settings.diode)));
}

}  // namespace ui
