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

QString StateText(DesignState state) {
  switch (state) {
    case DesignState::Refused:
      return QStringLiteral("Refused");
    case DesignState::WrongChecksum:
      return QStringLiteral("Wrong checksum");
    case DesignState::OutOfRange:
      return QStringLiteral("Out of range at every starting elevation");
    case DesignState::Fits:
      break;
  }
  return QStringLiteral("Fits");
}
