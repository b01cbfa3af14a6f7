#include "shell/designs/RowTexts.h"

#include <QFile>

#include "catalog/SummaryWords.h"

namespace {

QString LiftText(const DesignSummary& summary) {
  if (summary.chainLift && summary.launchedLiftHill) return QStringLiteral("yes, launched");
  if (summary.launchedLiftHill) return QStringLiteral("launched");
  return summary.chainLift ? QStringLiteral("yes") : QStringLiteral("no");
}

QString ReverseText(const DesignSummary& summary) {
  if (summary.reverseRefused) return QStringLiteral("refused");
  return summary.openCircuit ? QStringLiteral("asks first") : QStringLiteral("yes");
}

}  // namespace

QString DesignFileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return QFile::decodeName(slash == std::string::npos ? path.c_str() : path.c_str() + slash + 1);
}

DesignTexts RowTextMaker::Make(const DesignSummary& summary) {
  DesignTexts texts;
  texts.fileName = DesignFileName(summary.path);
  texts.message = QString::fromStdString(summary.message);
  // A design that did not load has nothing more to tell.
  if (!summary.loaded) return texts;
  texts.edition = Shared(summary.edition);
  texts.checksum = Shared(ChecksumWord(summary.checksum));
  texts.fits = Shared(FitWord(summary.fit));
  texts.rideType = Shared(summary.header.rideType);
  texts.vehicle = Shared(summary.header.vehicleType);
  texts.operatingMode = Shared(summary.header.operatingMode);
  texts.chainLift = LiftText(summary);
  texts.reverse = ReverseText(summary);
  return texts;
}

const QString& RowTextMaker::Shared(const std::string& text) {
  const auto [place, isNew] = m_shared.try_emplace(text);
  if (isNew) place->second = QString::fromStdString(text);
  return place->second;
}
