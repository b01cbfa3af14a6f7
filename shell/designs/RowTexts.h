#pragma once

#include <QString>
#include <string>
#include <unordered_map>

#include "catalog/DesignSummary.h"

// The texts of a design's cells that come of its summary alone.
struct DesignTexts {
  QString fileName;
  QString edition;
  QString checksum;
  QString fits;
  QString rideType;
  QString vehicle;
  QString operatingMode;
  QString chainLift;
  QString reverse;
  QString message;
};

// The name of a design's file as the panel shows it, without its folder.
QString DesignFileName(const std::string& path);

// Makes the texts where designs are summarised, so that the window's thread
// only shows them, and a filter or sort over every row converts nothing.
// Texts many designs share (editions, ride types, ...) are made once and
// shared, so that a large folder's rows do not each hold a copy.
class RowTextMaker {
public:
  DesignTexts Make(const DesignSummary& summary);

private:
  const QString& Shared(const std::string& text);

  std::unordered_map<std::string, QString> m_shared;
};
