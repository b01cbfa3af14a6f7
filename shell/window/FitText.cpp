#include "shell/window/FitText.h"

QString FitText(const ElevationExtent& extent) {
  return QStringLiteral("This design ") + QString::fromStdString(DescribeFit(extent.FittingStarts())) +
         QLatin1Char('.');
}

QString FitText(const std::vector<ListingLine>& lines, int startElevation) {
  return FitText(MeasureLines(lines, startElevation));
}

ElevationExtent MeasureLines(const std::vector<ListingLine>& lines, int startElevation) {
  ElevationExtent extent(startElevation);
  for (const ListingLine& line : lines) extent.Add(line);
  return extent;
}
