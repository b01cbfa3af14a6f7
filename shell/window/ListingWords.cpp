#include "shell/window/ListingWords.h"

#include <QStringList>
#include <algorithm>

#include "listing/ElevationProfile.h"
#include "shell/window/FitText.h"

QString Counted(long long count, const char* noun) {
  QString words = QString::number(count) + QLatin1Char(' ') + QLatin1StringView(noun);
  if (count != 1) words += QLatin1Char('s');
  return words;
}

QString ListDescription(long long segments, long long lines) {
  return Counted(segments, "segment") + QStringLiteral(" in ") + Counted(lines, "line");
}

QString ProfileSummary(const ElevationProfile& profile, int startElevation) {
  QStringList parts{Counted(qsizetype(profile.segments.size()), "segment")};
  if (!profile.segments.empty())
    parts.back() += QStringLiteral(" from %1 to %2").arg(profile.lowest).arg(profile.highest);
  for (auto [check, words] :
       {std::pair{ElevationCheck::TooHigh, " too high"}, std::pair{ElevationCheck::TooLow, " too low"}}) {
    const auto marked = std::ranges::count(profile.lines, check, &ListingLine::check);
    if (marked > 0) parts << Counted(marked, "line") + QLatin1StringView(words);
  }
  parts << QString::fromStdString(DescribeFit(MeasureLines(profile.lines, startElevation).FittingStarts()));
  return parts.join(QStringLiteral("; "));
}
