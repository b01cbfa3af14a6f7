#include "shell/window/ProfileStrip.h"

#include <algorithm>
#include <cmath>

#include <QFontInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "listing/ListTrack.h"
#include "listing/ProfileScene.h"
#include "render/SceneColours.h"
#include "render/SceneFont.h"
#include "render/ScenePainter.h"
#include "shell/window/ProfileAccessible.h"

namespace {
constexpr qreal kFocusWidth = 2;

QString Elevations(std::int32_t start, std::int32_t end) {
  return start == end ? QString::number(start) : QStringLiteral("%1-%2").arg(start).arg(end);
}

// The list's own line without its count column: "Line 5-7: Up [chain lift] (TOO HIGH!)".
QString LineTip(const ListingLine& line) {
  const QStringList columns = QString::fromStdString(ScreenLineText(line)).split(QLatin1Char('\t'));
  return QStringLiteral("Line %1: %2").arg(columns.front(), columns.back());
}

}  // namespace

CProfileStrip::CProfileStrip(QWidget* parent) : QWidget(parent) {
  InstallProfileAccessible();
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QStringLiteral("Elevation profile"));
}

void CProfileStrip::SetProfile(ElevationProfile profile) {
  m_profile = std::move(profile);
  m_nSelectedLine = -1;
  // The same track listed from another start, mirrored or reversed keeps the marker where it was.
  if (m_nMarker >= int(m_profile.segments.size())) m_nMarker = -1;
  m_picture = {};
  update();
}

void CProfileStrip::SetSelectedLine(int line) {
  if (line == m_nSelectedLine) return;
  m_nSelectedLine = line;
  m_picture = {};
  update();
}

void CProfileStrip::SetFitText(const QString& text) { m_strFit = text; }

// The labels follow the widget's font: its size is the legend's.
double CProfileStrip::TextScale() const { return TextScaleForFont(QFontInfo(font()).pixelSize()); }

ProfileLayout CProfileStrip::Layout() const {
  return LayOutProfile(ExtentOf(m_profile), width(), height(), SceneFont(font()), TextScale());
}

QString CProfileStrip::SegmentTip(int segment) const {
  const ProfileSegment& drawn = m_profile.segments[std::size_t(segment)];
  const ListingLine& line = m_profile.lines[std::size_t(drawn.line)];
  return QStringLiteral("Segment %1, elevation %2\n%3")
      .arg(segment + 1)
      .arg(Elevations(drawn.startElevation, drawn.endElevation), LineTip(line));
}

QString CProfileStrip::MarkerText() const { return m_nMarker < 0 ? QString() : SegmentTip(m_nMarker); }

QRect CProfileStrip::MarkerRect() const {
  if (m_nMarker < 0) return {};
  const ProfileLayout layout = Layout();
  return QRectF(QPointF(layout.X(m_nMarker), layout.top), QPointF(layout.X(m_nMarker + 1), layout.top + layout.height))
      .toAlignedRect();
}

void CProfileStrip::MoveMarker(int segment) {
  m_nMarker = segment;
  update();
  emit lineChosen(m_profile.segments[std::size_t(segment)].line);
  AnnounceMarker(*this);
}

QSize CProfileStrip::sizeHint() const { return {600, int(std::lround(180 * TextScale()))}; }

void CProfileStrip::SetMayShrinkAway(bool may) {
  m_bMayShrinkAway = may;
  updateGeometry();
}

// The least height that still shows a plot between the labels above and below
// it, which grow with the font; the segment list keeps its lines before the
// profile gets more.
QSize CProfileStrip::minimumSizeHint() const {
  return {200, m_bMayShrinkAway ? 0 : int(std::lround(90 * TextScale()))};
}

bool CProfileStrip::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const int segment = Layout().SegmentAt(help->pos().x());
  if (segment < 0 && !m_strFit.isEmpty()) {
    QToolTip::showText(help->globalPos(), m_strFit, this);
  } else if (segment < 0) {
    QToolTip::hideText();
    event->ignore();
  } else {
    QToolTip::showText(help->globalPos(), SegmentTip(segment), this);
  }
  return true;
}

void CProfileStrip::paintEvent(QPaintEvent*) {
  if (m_picture.isNull()) {
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(size() * ratio);
    m_picture.setDevicePixelRatio(ratio);
    QPainter painter(&m_picture);
    const std::optional<int> selected = m_nSelectedLine >= 0 ? std::optional(m_nSelectedLine) : std::nullopt;
    const SceneFont font(this->font());
    const ProfileLayout layout = Layout();
    PaintScene(painter, DrawProfile(m_profile, layout, font, selected), ColoursOf(palette()), font);
  }
  QPainter painter(this);
  painter.drawPixmap(0, 0, m_picture);
  if (!hasFocus()) return;
  // The focus as a frame in the text colour, which stands out from the window and the band alike.
  const QColor ink = palette().color(QPalette::WindowText);
  painter.setPen(QPen(ink, kFocusWidth));
  painter.drawRect(QRectF(rect()).adjusted(kFocusWidth / 2, kFocusWidth / 2, -kFocusWidth / 2, -kFocusWidth / 2));
  if (m_nMarker < 0) return;
  const QRect marker = MarkerRect();
  painter.drawLine(QPointF(marker.center().x(), marker.top()), QPointF(marker.center().x(), marker.bottom()));
}

void CProfileStrip::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_picture = {};
}

void CProfileStrip::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
    m_picture = {};
    update();
  }
  // Its sizes follow the labels.
  if (event->type() == QEvent::FontChange) updateGeometry();
}

void CProfileStrip::mousePressEvent(QMouseEvent* event) {
  const int segment = event->button() == Qt::LeftButton ? Layout().SegmentAt(event->position().x()) : -1;
  if (segment >= 0) MoveMarker(segment);
  QWidget::mousePressEvent(event);
}

void CProfileStrip::keyPressEvent(QKeyEvent* event) {
  const int last = int(m_profile.segments.size()) - 1;
  int segment = -1;
  switch (event->key()) {
    case Qt::Key_Left:
      segment = std::max(m_nMarker - 1, 0);
      break;
    case Qt::Key_Right:
      segment = std::min(m_nMarker + 1, last);
      break;
    case Qt::Key_Home:
      segment = 0;
      break;
    case Qt::Key_End:
      segment = last;
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  if (last >= 0) MoveMarker(segment);
}
