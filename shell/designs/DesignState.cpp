#include "shell/designs/DesignState.h"

#include <QApplication>
#include <QStyle>

#include "catalog/DesignSummary.h"

DesignState StateOf(const DesignSummary& summary) {
  if (!summary.loaded) return DesignState::Refused;
  if (summary.checksum == ChecksumState::Wrong) return DesignState::WrongChecksum;
  return summary.Fits() ? DesignState::Fits : DesignState::OutOfRange;
}

QIcon StateIcon(DesignState state) {
  switch (state) {
    case DesignState::Refused:
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    case DesignState::WrongChecksum:
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion);
    case DesignState::OutOfRange:
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    case DesignState::Fits:
      break;
  }
  return QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
}

QString StateSentence(const DesignSummary& summary, const QString& sameTrack) {
  const QString fit = QString::fromStdString(DescribeFit(summary.fit));
  QString sentence;
  switch (StateOf(summary)) {
    case DesignState::Refused:
      sentence = QStringLiteral("Refused: ") + QString::fromStdString(summary.message);
      break;
    case DesignState::WrongChecksum:
      sentence = QStringLiteral("Wrong checksum, loaded as the Yes answer loads it; ") + fit;
      break;
    case DesignState::OutOfRange:
      sentence = QStringLiteral("Loads, but ") + fit;
      break;
    case DesignState::Fits:
      sentence = QStringLiteral("Loads and ") + fit;
      break;
  }
  if (!sameTrack.isEmpty()) sentence += QStringLiteral("; ") + sameTrack;
  return sentence;
}
